#pragma once

#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace common {

// A change to one stored value, made from the text stored just before it (`default_value`
// when there is none).
struct SettingChange {
    std::string section;
    std::string key;
    std::function<std::string(const std::string& stored)> change;
    std::string default_value;
};

// The few values kept between runs (games won, the debug counter), addressed by scope
// ("user", "local"; "local64" is read only), section and key. Values are text.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // Makes all the changes to one scope's values in one write, so they are kept together or
    // not at all (a game won and its cleared resume record). A store that another program may
    // write reads the stored values and writes the changed ones without letting it in between,
    // so a count made there is never lost.
    virtual void RegChangeSettings(const std::string& scope,
                                   const std::vector<SettingChange>& changes) {
        for (const SettingChange& c : changes) {
            RegWriteSetting(scope, c.section, c.key,
                            c.change(RegReadSetting(scope, c.section, c.key, c.default_value)));
        }
    }
    // An empty value is stored as a single blank.
    virtual void RegWriteSetting(const std::string& scope, const std::string& section,
                                 const std::string& key, const std::string& value) = 0;
    // The stored text, or `default_value` when the value is missing or cannot be read.
    virtual std::string RegReadSetting(const std::string& scope, const std::string& section,
                                       const std::string& key,
                                       const std::string& default_value) = 0;
};

// Settings kept in memory, for tests and headless tools.
class MemorySettingsStore : public SettingsStore {
  public:
    void RegWriteSetting(const std::string& scope, const std::string& section,
                         const std::string& key, const std::string& value) override {
        RegChangeSettings(scope,
                          {{section, key, [&value](const std::string&) { return value; }, ""}});
    }
    std::string RegReadSetting(const std::string& scope, const std::string& section,
                               const std::string& key, const std::string& default_value) override {
        const std::string where = scope == "local" || scope == "local64" ? "local" : "user";
        const auto it = values_.find({where, section, key});
        return it == values_.end() ? default_value : it->second;
    }
    void RegChangeSettings(const std::string& scope,
                           const std::vector<SettingChange>& changes) override {
        if (scope == "local64") {
            return;
        }
        last_write_.clear();
        for (const SettingChange& c : changes) {
            const std::string value =
                c.change(RegReadSetting(scope, c.section, c.key, c.default_value));
            values_[{scope == "local" ? "local" : "user", c.section, c.key}] =
                value.empty() ? " " : value;
            last_write_.push_back(c.section + "/" + c.key);
        }
    }

    // The "section/key" of every value the last write changed, in its order.
    const std::vector<std::string>& LastWrite() const { return last_write_; }

  private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
    std::vector<std::string> last_write_;
};

}  // namespace common
