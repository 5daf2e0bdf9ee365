#include "app/remembered_settings.h"

#include <QSettings>
#include <QStringList>
#include <cmath>
#include <memory>

#include "model/room_fields.h"
#include "text/number_text.h"

namespace karumoa::gui {
namespace {

const QString kTitle = QStringLiteral("カルモア");

constexpr double kPlacementLimit = 1000000.0;  // twips

std::unique_ptr<QSettings> Open(const QString& iniPath) {
    if (iniPath.isEmpty()) {
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kTitle,
                                           kTitle);
    }
    return std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
}

QString FindIgnoringCase(const QStringList& names, const QString& name) {
    for (const QString& candidate : names) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0) {
            return candidate;
        }
    }
    return QString();
}

// A value read back from INI is a string, or a list when the text holds
// commas; either way the program sees the text as typed.
QString AsText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(u',');
    }
    return value.toString();
}

bool ValidPosition(double v) {
    return std::isfinite(v) && std::fabs(v) <= kPlacementLimit;
}
bool ValidSize(double v) {
    return std::isfinite(v) && v > 0 && v <= kPlacementLimit;
}

}  // namespace

RememberedSettings::RememberedSettings() = default;
RememberedSettings::RememberedSettings(QString iniPath) : iniPath_(std::move(iniPath)) {}

QString RememberedSettings::FileName() const {
    return Open(iniPath_)->fileName();
}

std::optional<QString> RememberedSettings::Find(const QString& section, const QString& key) const {
    auto settings = Open(iniPath_);
    const QString group = FindIgnoringCase(settings->childGroups(), section);
    if (group.isEmpty()) {
        return std::nullopt;
    }
    settings->beginGroup(group);
    const QString actualKey = FindIgnoringCase(settings->childKeys(), key);
    if (actualKey.isEmpty()) {
        return std::nullopt;
    }
    return AsText(settings->value(actualKey));
}

QString RememberedSettings::ReadText(const QString& section, const QString& key,
                                     const QString& fallback) const {
    return Find(section, key).value_or(fallback);
}

bool RememberedSettings::Contains(const QString& section, const QString& key) const {
    return Find(section, key).has_value();
}

void RememberedSettings::WriteText(const QString& section, const QString& key,
                                   const QString& value) {
    auto settings = Open(iniPath_);
    QString group = FindIgnoringCase(settings->childGroups(), section);
    if (group.isEmpty()) {
        group = section;
    }
    settings->beginGroup(group);
    QString actualKey = FindIgnoringCase(settings->childKeys(), key);
    if (actualKey.isEmpty()) {
        actualKey = key;
    }
    settings->setValue(actualKey, value);
    settings->endGroup();
    settings->sync();
}

double RememberedSettings::ReadNumber(const QString& section, const QString& key,
                                      const QString& fallback) const {
    const QByteArray utf8 = ReadText(section, key, fallback).toUtf8();
    return text::LeadingNumber(std::string_view(utf8.constData(), utf8.size()));
}

std::uint8_t RememberedSettings::Toti() const {
    const double value = text::RoundHalfEven(ReadNumber("Kihon", "Toti", "5"));
    if (!model::Setting("Basyo").range.Contains(value)) {
        return 5;
    }
    return static_cast<std::uint8_t>(value);
}

std::int16_t RememberedSettings::Heya_Ondo() const {
    const double value = text::RoundHalfEven(ReadNumber("Kihon", "Heya_Ondo", "260"));
    if (!model::Setting("Situon").range.Contains(value)) {
        return 260;
    }
    return static_cast<std::int16_t>(value);
}

void RememberedSettings::WriteKihon(std::uint8_t toti, std::int16_t heyaOndo) {
    WriteText("Kihon", "Toti", QString::number(toti));
    WriteText("Kihon", "Heya_Ondo", QString::number(heyaOndo));
}

WindowPlacement RememberedSettings::Set_Form() const {
    WindowPlacement p;
    p.top = ReadNumber("Set_Form", "Top", "500");
    p.left = ReadNumber("Set_Form", "Left", "0");
    p.width = ReadNumber("Set_Form", "Width", "4164");
    p.height = ReadNumber("Set_Form", "Height", "1764");
    p.stored = Contains("Set_Form", "Top") || Contains("Set_Form", "Left") ||
               Contains("Set_Form", "Width") || Contains("Set_Form", "Height");
    if (!ValidPosition(p.top))
        p.top = 500;
    if (!ValidPosition(p.left))
        p.left = 0;
    if (!ValidSize(p.width))
        p.width = 4164;
    if (!ValidSize(p.height))
        p.height = 1764;
    return p;
}

void RememberedSettings::WriteSet_Form(const WindowPlacement& p) {
    WriteText("Set_Form", "Top", QString::fromStdString(text::PlainNumber(p.top)));
    WriteText("Set_Form", "Left", QString::fromStdString(text::PlainNumber(p.left)));
    WriteText("Set_Form", "Width", QString::fromStdString(text::PlainNumber(p.width)));
    WriteText("Set_Form", "Height", QString::fromStdString(text::PlainNumber(p.height)));
}

WindowPlacement RememberedSettings::Goukei_Form() const {
    WindowPlacement p;
    p.top = ReadNumber("Goukei_Form", "Top", "500");
    p.left = ReadNumber("Goukei_Form", "Left", "0");
    p.stored = Contains("Goukei_Form", "Top") || Contains("Goukei_Form", "Left");
    if (!ValidPosition(p.top))
        p.top = 500;
    if (!ValidPosition(p.left))
        p.left = 0;
    return p;
}

void RememberedSettings::WriteGoukei_Form(double top, double left) {
    WriteText("Goukei_Form", "Top", QString::fromStdString(text::PlainNumber(top)));
    WriteText("Goukei_Form", "Left", QString::fromStdString(text::PlainNumber(left)));
}

}  // namespace karumoa::gui
