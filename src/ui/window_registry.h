// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Owns the tool windows and the models they share: each exists at most
// once. get<W>() creates a window hidden when needed (its loading code runs);
// open<W>() also shows it and brings it to the front. A closed tool window is
// deleted, so the next request builds it again from the models.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <typeindex>
#include <vector>

#include "ui/consultation_patient.h"

namespace tovimar {

struct Platform;

class WindowRegistry {
  public:
    // `patient` is the program's patient of the consultation (owned by the
    // program); without one the registry keeps its own.
    explicit WindowRegistry(Platform& platform, ConsultationPatient* patient = nullptr)
        : platform_(platform), ownPatient_(patient ? nullptr : new ConsultationPatient),
          patient_(patient ? patient : ownPatient_.get()) {}
    ~WindowRegistry() { closeAll(); }
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    Platform& platform() const { return platform_; }
    // The patient of the consultation, for the printouts and the age fields.
    ConsultationPatient& patient() const { return *patient_; }

    // Tool windows are built as W(WindowRegistry&).
    template <class W> W& get() {
        QPointer<QWidget>& slot = windows_[std::type_index(typeid(W))];
        if (!slot) {
            auto* window = new W(*this);
            window->setAttribute(Qt::WA_DeleteOnClose);
            slot = window;
            builders_[std::type_index(typeid(W))] = [this]() -> QWidget* { return &get<W>(); };
            for (const auto& link : links_[std::type_index(typeid(W))])
                link(window);
        }
        return *static_cast<W*>(slot.data());
    }

    // Runs `link` on every W as soon as it is built (again after a renewal):
    // how the table of links connects a window that does not exist yet.
    template <class W> void whenBuilt(std::function<void(W&)> link) {
        auto& links = links_[std::type_index(typeid(W))];
        links.push_back(
            [link = std::move(link)](QWidget* window) { link(*static_cast<W*>(window)); });
        if (W* built = existing<W>()) links.back()(built);
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

    // A fresh start for every window but the `kept` ones (the settings): each is
    // built again as new; one that was shown is shown again in its place, a
    // hidden one is gone until asked for.
    void renew(const std::set<std::type_index>& kept) {
        std::vector<std::pair<std::type_index, QRect>> shown;
        for (auto it = windows_.begin(); it != windows_.end();) {
            if (kept.count(it->first)) {
                ++it;
                continue;
            }
            if (QWidget* w = it->second.data()) {
                if (w->isVisible()) shown.emplace_back(it->first, w->geometry());
                delete w;
            }
            it = windows_.erase(it);
        }
        consultation_.clear();
        for (const auto& [type, place] : shown) {
            QWidget* w = builders_.at(type)();
            w->setGeometry(place);
            w->show();
        }
    }

    // Whether the consultation holds anything beyond the `kept` windows: another
    // window built (shown or hidden), or what a closed window left in a
    // consultation model (the biometry window's examination, the earlier scans).
    bool consultationBegunBeyond(const std::set<std::type_index>& kept) const {
        for (const auto& [type, window] : windows_)
            if (window && !kept.count(type)) return true;
        for (const auto& [type, model] : consultation_)
            if (model) return true;
        return false;
    }

    void closeAll() {
        for (auto& [type, window] : windows_)
            delete window.data();
        windows_.clear();
    }

    // The program's models (the settings in force): each made once by
    // `make` when first asked for, and kept as long as the registry, after
    // every window. Windows reach them through their subsystem's access
    // functions, never through another window.
    template <class M, class Make> M& model(Make make) { return madeOnce<M>(models_, make); }

    // What the consultation keeps beside its windows (the earlier scans of the
    // growth charts): made once by `make` when first asked for, in memory
    // only, and forgotten by renew() with the windows it renews.
    template <class M, class Make> M& consultationModel(Make make) {
        return madeOnce<M>(consultation_, make);
    }

  private:
    using Models = std::map<std::type_index, std::shared_ptr<void>>;
    template <class M, class Make> static M& madeOnce(Models& models, Make make) {
        std::shared_ptr<void>& slot = models[std::type_index(typeid(M))];
        if (!slot) slot = std::shared_ptr<M>(make());
        return *static_cast<M*>(slot.get());
    }

    Platform& platform_;
    std::unique_ptr<ConsultationPatient> ownPatient_;
    ConsultationPatient* patient_;
    std::map<std::type_index, QPointer<QWidget>> windows_;
    std::map<std::type_index, std::function<QWidget*()>> builders_;
    std::map<std::type_index, std::vector<std::function<void(QWidget*)>>> links_;
    Models models_;
    Models consultation_;
};

} // namespace tovimar
