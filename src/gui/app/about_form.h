#pragma once

// The About window: the program's title, icon and version, the makers'
// disclaimer and notice, and a button that starts a system information
// tool. Modeless; OK or its close button closes it for real.

#include <QDialog>

#include "app/sys_info.h"

namespace karumoa::gui {

class AppContext;

class About_Form : public QDialog {
    Q_OBJECT
public:
    explicit About_Form(AppContext& context, QWidget* parent = nullptr);

    // Starts the system information tool, or says that there is none
    // ("現時点ではｼｽﾃﾑ情報を使用できません"); the window stays open.
    void StartSysInfo();

    // Where StartSysInfo looks (tests give their own file and path).
    void setSysInfo(SysInfo sysInfo) { sysInfo_ = std::move(sysInfo); }

private:
    AppContext& context_;
    SysInfo sysInfo_;
};

}  // namespace karumoa::gui
