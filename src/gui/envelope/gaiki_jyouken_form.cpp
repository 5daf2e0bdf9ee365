#include "envelope/gaiki_jyouken_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/condition_texts.h"
#include "app/controls.h"
#include "model/room_model.h"
#include "refdb/reference_data.h"

namespace karumoa::gui {
namespace {

using refdb::GaikiColumn;

// A temperature as the table holds it; the program never writes it.
QLineEdit* MakeTemperatureBox(const char* objectName, QWidget* parent) {
    return MakeDisplayBox(objectName, QStringLiteral("00.00"), parent);
}

// A frame of two rows, "0 ～24時" and "8～17時", each a box and "℃".
QGroupBox* MakeTemperatureFrame(const QString& caption, const char* objectName, QLineEdit* allDay,
                                QLineEdit* daytime, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(objectName));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(QStringLiteral("0 ～24時"), frame), 0, 0);
    grid->addWidget(allDay, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("℃"), frame), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("8～17時"), frame), 1, 0);
    grid->addWidget(daytime, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("℃"), frame), 1, 2);
    return frame;
}

}  // namespace

Gaiki_Jyouken_Form::Gaiki_Jyouken_Form(AppContext& context, QWidget* parent)
    : ConditionDialog(context, FormId::Gaiki_Jyouken_Form, "Gaiki_Jyouken_Form",
                      QStringLiteral("外気条件設定"), parent) {
    BuildControls();
    ShowCity(context_.room().Basyo);
}

Gaiki_Jyouken_Form::~Gaiki_Jyouken_Form() = default;

void Gaiki_Jyouken_Form::BuildControls() {
    gaikiCombo_ = new QComboBox(this);
    gaikiCombo_->setObjectName("Gaiki_Combo");
    gaikiCombo_->addItems(ConditionTexts::Items(ConditionTexts::kGaikiCities));
    gaikiCombo_->setMaxVisibleItems(static_cast<int>(ConditionTexts::kGaikiCities.size()));
    // A choice by mouse or keyboard; setting the entry from the program is
    // not one.
    connect(gaikiCombo_, &QComboBox::activated, this, [this] { Gaiki_Combo_Click(); });

    kan0Text_ = MakeTemperatureBox("Kan_0_Text", this);
    kan8Text_ = MakeTemperatureBox("Kan_8_Text", this);
    ro0Text_ = MakeTemperatureBox("Ro_0_Text", this);
    ro8Text_ = MakeTemperatureBox("Ro_8_Text", this);

    auto* city = new QHBoxLayout;
    QLabel* cityLabel = MakeLabel(QStringLiteral("地域"), "Label1", this);
    cityLabel->setBuddy(gaikiCombo_);
    city->addWidget(cityLabel);
    city->addWidget(gaikiCombo_);
    city->addStretch(1);

    auto* frames = new QHBoxLayout;
    frames->addWidget(
        MakeTemperatureFrame(QStringLiteral("乾球温度"), "Frame1", kan0Text_, kan8Text_, this));
    frames->addWidget(
        MakeTemperatureFrame(QStringLiteral("露点温度"), "Frame2", ro0Text_, ro8Text_, this));

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(city);
    outer->addLayout(frames);
    outer->addLayout(ButtonRow());
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

void Gaiki_Jyouken_Form::ShowCity(int basyo) {
    gaikiCombo_->setCurrentIndex(basyo);
    const refdb::ReferenceData* refs = context_.referenceData();
    auto text = [&](GaikiColumn column) {
        if (refs == nullptr || basyo < 0 || basyo >= refs->CityCount()) {
            return QString();
        }
        return QString::fromStdString(refs->CityTemperatureText(basyo, column));
    };
    kan0Text_->setText(text(GaikiColumn::DryBulb0_24));
    kan8Text_->setText(text(GaikiColumn::DryBulb8_17));
    ro0Text_->setText(text(GaikiColumn::DewPoint0_24));
    ro8Text_->setText(text(GaikiColumn::DewPoint8_17));
}

void Gaiki_Jyouken_Form::Form_Activate() {
    remembered_ = context_.room().Basyo;
    ShowCity(remembered_);
}

void Gaiki_Jyouken_Form::Gaiki_Combo_Click() {
    const int n = gaikiCombo_->currentIndex();
    if (n < 0) {
        return;
    }
    context_.room().Basyo = static_cast<std::uint8_t>(n);
    ShowCity(n);
}

void Gaiki_Jyouken_Form::Touroku_Button_Click() {
    context_.Settei_Mode = 1;
    RunRegisterChain(context_.room().Basyo != remembered_);
    accept();
}

void Gaiki_Jyouken_Form::Cansel_Button_Click() {
    context_.room().Basyo = remembered_;
    ShowCity(remembered_);
    CloseCancelled(AfterCancel::Hide);
}

}  // namespace karumoa::gui
