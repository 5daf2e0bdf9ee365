#include "app/app_context.h"

#include "app/form_registry.h"
#include "app/prompts.h"

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
    if (!referenceData_) {
        // Without the tables nothing can be computed; the loads are 0 and
        // the windows say they cannot be computed.
        results_ = calc::RoomResults{};
        calc::StoreTotals(room_, results_.totals);
        return;
    }
    results_ = calc::Recalculate(room_, *referenceData_);
    std::optional<std::string> term = calc::NonFiniteTerm(results_);
    if (term && term != nonFiniteTerm_) {
        prompts().Message(QString::fromStdString(calc::NonFiniteMessage(*term)) +
                              QStringLiteral("\nその値は「—」と表示します。"),
                          KakuninTitle(), PromptIcon::Warning, PromptButtons::Ok);
    }
    nonFiniteTerm_ = std::move(term);
}

}  // namespace karumoa::gui
