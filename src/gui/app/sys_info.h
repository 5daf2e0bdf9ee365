#pragma once

// Finding and starting a system information tool for the About window.
//
// The program reads two values of the local machine's configuration, as
// the About window of a desktop program does. On this platform the local
// machine's configuration is one system-wide text file (by default
// カルモア/system.ini in the first folder of $XDG_CONFIG_DIRS, /etc/xdg),
// written by the administrator:
//
//   ; what the About window's "ｼｽﾃﾑ情報" button starts
//   [SOFTWARE\Microsoft\Shared Tools\MSINFO]
//   PATH=/usr/bin/hardinfo
//
//   ; or a folder that holds one of the known tools (kKnownTools)
//   [SOFTWARE\Microsoft\Shared Tools Location]
//   MSINFO=/opt/tools/bin
//
// Sections are key paths and lines are "name=value"; key paths and value
// names are compared without regard to case, as the configuration store
// does; lines starting with ";" or "#" are comments. Every value is text.
//
// The tool is, in this order: the PATH value of the first key (used as
// given); else the first known tool found in the folder of the second key
// (the folder stands where the original looks for its tool's own file);
// else the first known tool on $PATH. The file, the search path and the way
// a program is started can be replaced, for tests.

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <string_view>

namespace karumoa::gui {

enum class KeyRoot { LocalMachine, CurrentUser };

class SysInfo {
public:
    struct Environment {
        QString configFile;  // the local machine's configuration file
        QString path;        // the program search path, ':'-separated
        // Starts `program` as a separate process; false when it could not.
        std::function<bool(const QString& program)> start;
    };

    // System information tools of the common Linux desktops, in the order
    // they are tried.
    static constexpr std::array<std::string_view, 6> kKnownTools{
        "hardinfo",  "gnome-system-monitor", "plasma-systemmonitor",
        "ksysguard", "xfce4-taskmanager",    "lshw-gtk"};

    // The real file, $PATH and QProcess::startDetached.
    static Environment SystemEnvironment();

    explicit SysInfo(Environment environment = SystemEnvironment());

    // Reads value `SubKeyRef` of key `KeyName` under `KeyRoot` into
    // `KeyVal`. False, with an empty text, when the key or the value is
    // missing or the value does not fit the 1024-character buffer; the text
    // ends at its first NUL character. Only the local machine has a store
    // here.
    bool GetKeyValue(KeyRoot KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                     QString& KeyVal) const;

    // The tool to start, or an empty text when there is none.
    QString ToolPath() const;

    // Starts the tool; false when there is none or it could not be started.
    bool Start() const;

    const Environment& environment() const { return environment_; }

private:
    // The first known tool, in their order, found in one of `folders`.
    QString FindIn(const QStringList& folders) const;

    Environment environment_;
};

}  // namespace karumoa::gui
