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

}  // namespace karumoa::gui
