#pragma once

// What every window of the program shares: the prompt service, the
// remembered settings, the program-wide App_Path and Settei_Mode, the one
// room model with the result of its last recalculation, the reference
// tables and the form registry through which windows reach each other.
//
// The room model lives for the whole run: Basyo and Situon are kept from
// room to room, and the plan window's load gives every other field its
// start value (RoomModel::ResetForNewRoom).

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/remembered_settings.h"
#include "calc/room_results.h"
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

    // The folder of the program file, without a trailing separator; the
    // reference tables and the help file are addressed from it. Set once
    // at start-up (Module1::Kankyou_SyokiKa).
    QString App_Path;

    // Which element the next construction or window dialog works on: 0
    // wall or wall windows, 1 roof or skylight, 2 floor, 10 set by the
    // ventilation command. Commands set it just before they open the
    // dialog; the dialogs read it when they are shown.
    std::uint8_t Settei_Mode = 0;

    // The whole result of the last recalculation of the room.
    //
    // It is recomputed explicitly, never lazily: the refresh chains that
    // follow every change of the room (the plan rebuild and the register
    // chain of the condition dialogs, FormRegistry) call RecalculateRoom
    // before the first of their steps that reads numbers, and so does the
    // plan window's load for a new room. Every reader runs inside or after
    // such a chain, so none can see a result older than the room. The four
    // totals are stored in the room model in the same step (they belong to
    // the room, where the load total window reads them), so they agree
    // with the result whether or not a report is open.
    const calc::RoomResults& results() const { return results_; }
    // Computes the results from the room and stores their four totals in
    // it. Without reference tables everything is 0, and the windows show
    // the loads as not computable (loadsComputable). A result with a term
    // that is not a finite number is said once in a message box, the first
    // time that term goes wrong; the windows show such terms as "—".
    void RecalculateRoom();

    // The reference tables, or null when they could not be loaded (the
    // program then still opens and saves rooms, but computes no loads).
    const refdb::ReferenceData* referenceData() const {
        return referenceData_ ? &*referenceData_ : nullptr;
    }
    bool loadsComputable() const { return referenceData_.has_value(); }
    // The tables are replaced only at start-up, before any room exists;
    // the results are recomputed all the same.
    void setReferenceData(std::optional<refdb::ReferenceData> data);

private:
    Prompts* prompts_;
    RememberedSettings settings_;
    model::RoomModel room_;
    calc::RoomResults results_;
    // The term last said not to be finite, so that it is said only once.
    std::optional<std::string> nonFiniteTerm_;
    std::optional<refdb::ReferenceData> referenceData_;
    std::unique_ptr<FormRegistry> forms_;
};

}  // namespace karumoa::gui
