#pragma once

#include <memory>
#include <utility>

namespace gui {

// Creates a Qt object that its parent (given among the arguments) owns and deletes.
template <class T, class... Args>
T* MakeChild(Args&&... args) {
    return std::make_unique<T>(std::forward<Args>(args)...).release();
}

}  // namespace gui
