#include "app/condition_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>

#include "app/app_context.h"
#include "app/controls.h"
#include "app/module1.h"
#include "app/prompts.h"

namespace karumoa::gui {
namespace {

// Settei_Mode as the ventilation command leaves it.
constexpr std::uint8_t kKankiMode = 10;

}  // namespace

ConditionDialog::ConditionDialog(AppContext& context, FormId id, const char* objectName,
                                 const QString& caption, QWidget* parent)
    : QDialog(parent), context_(context), id_(id) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    setModal(true);
}

ConditionDialog::~ConditionDialog() = default;

void ConditionDialog::reject() {
    Cansel_Button_Click();
}

void ConditionDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        Form_Activate();
    }
}

QHBoxLayout* ConditionDialog::ButtonRow() {
    // Made after the dialog's own controls, so that they come last in the
    // tab order and the dialog does not open with the focus on a button.
    tourokuButton_ = MakeButton(QStringLiteral("登録(&I)"), "Touroku_Button", this);
    canselButton_ = MakeButton(QStringLiteral("キャンセル(&C)"), "Cansel_Button", this);
    connect(tourokuButton_, &QPushButton::clicked, this, [this] { Touroku_Button_Click(); });
    connect(canselButton_, &QPushButton::clicked, this, [this] { Cansel_Button_Click(); });
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(tourokuButton_);
    row->addWidget(canselButton_);
    return row;
}

void ConditionDialog::RunRegisterChain(bool roomChanged) {
    if (roomChanged) {
        context_.forms().ConditionsEdited();
    } else {
        context_.forms().ConditionsRegistered();
    }
}

void ConditionDialog::CloseCancelled(AfterCancel after, Notice notice) {
    AppContext& context = context_;
    if (after == AfterCancel::Unload) {
        // Destroyed later: this handler still runs to its end.
        context.forms().Unload(id_);
    } else {
        QDialog::reject();
    }
    if (notice == Notice::AfterKanki && context.Settei_Mode == kKankiMode) {
        context.prompts().Message(QStringLiteral("設定は変更されませんでした。"),
                                  Module1::AppTitle(), PromptIcon::Warning, PromptButtons::Ok);
    }
}

}  // namespace karumoa::gui
