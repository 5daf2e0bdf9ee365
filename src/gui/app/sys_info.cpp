#include "app/sys_info.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTextStream>

namespace karumoa::gui {
namespace {

constexpr qsizetype kValueBuffer = 1024;  // characters, with the closing NUL

const QString kMsinfoKey = QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)");
const QString kLocationKey = QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools Location)");

QString ConfigFile() {
    QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (dirs.isEmpty()) {
        dirs = QStringLiteral("/etc/xdg");
    }
    const QStringList folders = dirs.split(u':', Qt::SkipEmptyParts);
    const QString name = QStringLiteral("カルモア/system.ini");
    for (const QString& folder : folders) {
        const QString candidate = QDir(folder).filePath(name);
        if (QFileInfo::exists(candidate)) {
            return candidate;
        }
    }
    return QDir(folders.value(0, QStringLiteral("/etc/xdg"))).filePath(name);
}

bool IsProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QString ToolName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

SysInfo::Environment SysInfo::SystemEnvironment() {
    return Environment{ConfigFile(), qEnvironmentVariable("PATH"),
                       [](const QString& program) { return QProcess::startDetached(program, {}); }};
}

SysInfo::SysInfo(Environment environment) : environment_(std::move(environment)) {}

bool SysInfo::GetKeyValue(KeyRoot KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                          QString& KeyVal) const {
    KeyVal.clear();
    if (KeyRoot != KeyRoot::LocalMachine) {
        return false;
    }
    QFile file(environment_.configFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return false;
    }
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    bool inKey = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) {
            continue;
        }
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            inKey =
                line.mid(1, line.size() - 2).trimmed().compare(KeyName, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inKey || equals < 0 ||
            line.left(equals).trimmed().compare(SubKeyRef, Qt::CaseInsensitive) != 0) {
            continue;
        }
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= kValueBuffer) {
            return false;
        }
        const qsizetype nul = value.indexOf(QChar(u'\0'));
        if (nul >= 0) {
            value.truncate(nul);
        }
        KeyVal = value;
        return true;
    }
    return false;
}

QString SysInfo::FindIn(const QStringList& folders) const {
    for (std::string_view tool : kKnownTools) {
        for (const QString& folder : folders) {
            const QString candidate = QDir(folder).filePath(ToolName(tool));
            if (IsProgram(candidate)) {
                return candidate;
            }
        }
    }
    return QString();
}

QString SysInfo::ToolPath() const {
    QString value;
    if (GetKeyValue(KeyRoot::LocalMachine, kMsinfoKey, QStringLiteral("PATH"), value) &&
        !value.isEmpty()) {
        return value;
    }
    if (GetKeyValue(KeyRoot::LocalMachine, kLocationKey, QStringLiteral("MSINFO"), value) &&
        !value.isEmpty()) {
        const QString inFolder = FindIn({value});
        if (!inFolder.isEmpty()) {
            return inFolder;
        }
    }
    // An empty entry of the search path would mean the current folder,
    // which is never searched for a program to start.
    return FindIn(environment_.path.split(u':', Qt::SkipEmptyParts));
}

bool SysInfo::Start() const {
    const QString tool = ToolPath();
    return !tool.isEmpty() && environment_.start && environment_.start(tool);
}

}  // namespace karumoa::gui
