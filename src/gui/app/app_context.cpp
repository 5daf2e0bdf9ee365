#include "app/app_context.h"

#include "app/form_registry.h"

namespace karumoa::gui {

AppContext::AppContext(Prompts& prompts, RememberedSettings settings)
    : prompts_(&prompts),
      settings_(std::move(settings)),
      forms_(std::make_unique<FormRegistry>(*this)) {}

AppContext::~AppContext() {
    forms_->UnloadAll();
}

void AppContext::setReferenceData(std::optional<refdb::ReferenceData> data) {
    referenceData_ = std::move(data);
    RecalculateRoom();
}

void AppContext::RecalculateRoom() {
    if (referenceData_) {
        results_ = calc::Recalculate(room_, *referenceData_);
    } else {
        // Without the tables nothing can be computed; the loads show 0.
        results_ = calc::RoomResults{};
        calc::StoreTotals(room_, results_.totals);
    }
}

}  // namespace karumoa::gui
