#include "envelope/situnai_jyouken_form.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/controls.h"
#include "app/up_down.h"
#include "model/room_fields.h"
#include "model/room_model.h"
#include "text/number_text.h"

namespace karumoa::gui {
namespace {

// The spinner offers exactly the temperatures a room may hold, in steps of
// half a degree.
constexpr const model::ValueRange& kSituon = model::Setting("Situon").range;
constexpr int kStep = 5;
static_assert(kSituon.Contains(Situnai_Jyouken_Form::kHyoujyun));

}  // namespace

Situnai_Jyouken_Form::Situnai_Jyouken_Form(AppContext& context, QWidget* parent)
    : ConditionDialog(context, FormId::Situnai_Jyouken_Form, "Situnai_Jyouken_Form",
                      QStringLiteral("室内条件設定"), parent) {
    BuildControls();
}

Situnai_Jyouken_Form::~Situnai_Jyouken_Form() = default;

void Situnai_Jyouken_Form::BuildControls() {
    ondoText_ = MakeDisplayBox("Ondo_Text", QStringLiteral("00.00"), this);

    upDownOndo_ = new UpDown("UpDown_Ondo", static_cast<int>(kSituon.min),
                             static_cast<int>(kSituon.max), kStep, this);
    upDownOndo_->setValue(kHyoujyun);
    connect(upDownOndo_, &UpDown::valueChanged, this, [this] { UpDown_Ondo_Change(); });

    hyoujyunCheck_ = new QCheckBox(QStringLiteral("標準値にする"), this);
    hyoujyunCheck_->setObjectName("Hyoujyun_Check");
    connect(hyoujyunCheck_, &QCheckBox::clicked, this, [this] { Hyoujyun_Check_Click(); });

    auto* temperature = new QHBoxLayout;
    temperature->addWidget(MakeLabel(QStringLiteral("乾球温度"), "Label1", this));
    temperature->addWidget(ondoText_);
    temperature->addWidget(upDownOndo_);
    temperature->addWidget(MakeLabel(QStringLiteral("℃"), "Label2", this));
    temperature->addStretch(1);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(temperature);
    outer->addWidget(hyoujyunCheck_);
    outer->addLayout(ButtonRow());
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

void Situnai_Jyouken_Form::ShowSituon() {
    ondoText_->setText(QString::fromStdString(text::PlainNumber(context_.room().Situon / 10.0)));
}

void Situnai_Jyouken_Form::Form_Activate() {
    const std::int16_t situon = context_.room().Situon;
    remembered_ = situon;
    ShowSituon();
    {
        // Showing the value is no step: Situon stays as it is, even one the
        // spinner could not reach.
        const QSignalBlocker quiet(upDownOndo_);
        upDownOndo_->setValue(situon);
    }
    const bool standard = situon == kHyoujyun;
    hyoujyunCheck_->setChecked(standard);
    upDownOndo_->setEnabled(!standard);
}

void Situnai_Jyouken_Form::UpDown_Ondo_Change() {
    context_.room().Situon = static_cast<std::int16_t>(upDownOndo_->value());
    ShowSituon();
}

void Situnai_Jyouken_Form::Hyoujyun_Check_Click() {
    if (hyoujyunCheck_->isChecked()) {
        upDownOndo_->setEnabled(false);
        context_.room().Situon = kHyoujyun;
        ShowSituon();
    } else {
        upDownOndo_->setEnabled(true);
    }
}

void Situnai_Jyouken_Form::Touroku_Button_Click() {
    context_.Settei_Mode = 1;
    RunRegisterChain(false);
    accept();
}

void Situnai_Jyouken_Form::Cansel_Button_Click() {
    context_.room().Situon = remembered_;
    CloseCancelled(AfterCancel::Hide);
}

}  // namespace karumoa::gui
