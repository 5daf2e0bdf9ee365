#pragma once

// What every window of the program shares: the prompt service, the
// remembered settings, the one room model, the reference tables and the
// form registry through which windows reach each other.
//
// The room model lives for the whole run: Basyo and Situon are kept from
// room to room, and the plan window's load gives every other field its
// start value (RoomModel::ResetForNewRoom).

#include <memory>
#include <optional>

#include "app/remembered_settings.h"
#include "model/room_model.h"
#include "refdb/reference_data.h"

namespace karumoa::gui {

class FormRegistry;
class Prompts;

class AppContext {
public:
    // `prompts` must outlive the context.
    AppContext(Prompts& prompts, RememberedSettings settings = RememberedSettings());
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Prompts& prompts() { return *prompts_; }
    void setPrompts(Prompts& prompts) { prompts_ = &prompts; }

    RememberedSettings& settings() { return settings_; }
    model::RoomModel& room() { return room_; }
    FormRegistry& forms() { return *forms_; }

    // The reference tables, or null when they could not be loaded (the
    // program then still opens and saves rooms; the loads come out 0).
    const refdb::ReferenceData* referenceData() const {
        return referenceData_ ? &*referenceData_ : nullptr;
    }
    void setReferenceData(std::optional<refdb::ReferenceData> data) {
        referenceData_ = std::move(data);
    }

private:
    Prompts* prompts_;
    RememberedSettings settings_;
    model::RoomModel room_;
    std::optional<refdb::ReferenceData> referenceData_;
    std::unique_ptr<FormRegistry> forms_;
};

}  // namespace karumoa::gui
