#include "gui/window/GameMenus.h"

#include <QMenu>

#include "gui/base/GuiTexts.h"

namespace gui {

GameMenus::GameMenus(QMenuBar& bar, GameMenuHandlers handlers)
    : bar_(bar), handlers_(std::move(handlers)) {
    const GameMenuHandlers& h = handlers_;
    QMenu* game = bar_.addMenu(GuiText(GuiTextId::MenuGame));
    Add(*game, "NewGame", GuiText(GuiTextId::MenuNewGame), QKeySequence::New, h.new_game);
    Add(*game, "Replay", GuiText(GuiTextId::MenuReplay), QKeySequence(Qt::CTRL | Qt::Key_R),
        h.replay);
    Add(*game, "RoundReview", GuiText(GuiTextId::MenuRoundReview), {}, h.round_review);
    Add(*game, "Statistics", GuiText(GuiTextId::MenuStatistics), {}, h.statistics);
    Add(*game, "Watch", GuiText(GuiTextId::MenuWatch), {}, h.watch)->setCheckable(true);
    game->addSeparator();
    Add(*game, "Quit", GuiText(GuiTextId::MenuQuit), QKeySequence(Qt::CTRL | Qt::Key_Q), h.quit)
        ->setMenuRole(QAction::QuitRole);
    QMenu* view = bar_.addMenu(GuiText(GuiTextId::MenuView));
    Add(*view, "TraceList", GuiText(GuiTextId::MenuTrace), QKeySequence(Qt::Key_F2), h.trace)
        ->setCheckable(true);
    Add(*view, "FullScreen", GuiText(GuiTextId::MenuFullScreen), QKeySequence(Qt::Key_F11),
        h.full_screen)
        ->setCheckable(true);
    QMenu* settings = bar_.addMenu(GuiText(GuiTextId::MenuSettings));
    Add(*settings, "Preferences", GuiText(GuiTextId::MenuPreferences),
        QKeySequence(Qt::CTRL | Qt::Key_Comma), h.preferences)
        ->setMenuRole(QAction::PreferencesRole);
    QMenu* help = bar_.addMenu(GuiText(GuiTextId::MenuHelp));
    Add(*help, "Rules", GuiText(GuiTextId::MenuRules), QKeySequence(Qt::Key_F1), h.rules);
    Add(*help, "About", GuiText(GuiTextId::MenuAbout), {}, h.about)
        ->setMenuRole(QAction::AboutRole);
    for (QMenu* menu : {game, view, settings, help}) {
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { UpdateStates(); });
    }
    UpdateStates();
}

QAction* GameMenus::Add(QMenu& menu, const char* name, const QString& caption,
                        const QKeySequence& keys, const std::function<void()>& handler) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(QStringLiteral("Action") + QString::fromLatin1(name));
    action->setShortcut(keys);
    // The keys work while the table has the keyboard, also when the bar is hidden in full
    // screen.
    action->setShortcutContext(Qt::WindowShortcut);
    bar_.parentWidget()->addAction(action);
    QObject::connect(action, &QAction::triggered, action, [handler] {
        if (handler) {
            handler();
        }
    });
    return action;
}

QAction* GameMenus::Action(const QString& name) const {
    return bar_.findChild<QAction*>(name);
}

void GameMenus::UpdateStates() {
    const GameMenuHandlers& h = handlers_;
    const auto set = [this](const char* name, const std::function<bool()>& enabled,
                            const std::function<bool()>& checked) {
        QAction* action = Action(QStringLiteral("Action") + QString::fromLatin1(name));
        action->setEnabled(!enabled || enabled());
        if (checked) {
            action->setChecked(checked());
        }
    };
    set("Replay", h.replay_possible, nullptr);
    set("RoundReview", h.round_review_possible, nullptr);
    set("Watch", nullptr, h.watching);
    set("TraceList", nullptr, h.trace_shown);
    set("FullScreen", nullptr, h.full_screen_on);
}

}  // namespace gui
