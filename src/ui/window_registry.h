// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Owns the tool windows: each exists at most once. get<W>() creates a window
// hidden when needed (its loading code runs); open<W>() also shows it and
// brings it to the front. A closed tool window is deleted, so the next
// request builds it again (and reloads its files).

#include <QPointer>
#include <QWidget>
#include <map>
#include <typeindex>

namespace tovimar {

struct Platform;

class WindowRegistry {
  public:
    explicit WindowRegistry(Platform& platform) : platform_(platform) {}
    ~WindowRegistry() { closeAll(); }
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    Platform& platform() const { return platform_; }

    // Tool windows are built as W(WindowRegistry&).
    template <class W> W& get() {
        QPointer<QWidget>& slot = windows_[std::type_index(typeid(W))];
        if (!slot) {
            auto* window = new W(*this);
            window->setAttribute(Qt::WA_DeleteOnClose);
            slot = window;
        }
        return *static_cast<W*>(slot.data());
    }

    template <class W> W* existing() const {
        auto it = windows_.find(std::type_index(typeid(W)));
        return it == windows_.end() ? nullptr : static_cast<W*>(it->second.data());
    }

    template <class W> W& open() {
        W& window = get<W>();
        window.show();
        window.raise();
        window.activateWindow();
        return window;
    }

    void closeAll() {
        for (auto& [type, window] : windows_)
            delete window.data();
        windows_.clear();
    }

  private:
    Platform& platform_;
    std::map<std::type_index, QPointer<QWidget>> windows_;
};

} // namespace tovimar
