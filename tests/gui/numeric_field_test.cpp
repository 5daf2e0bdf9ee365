// The numeric field of the dialogs: what typing at a caret position puts
// into it, what it refuses, and that every way of reaching it selects its
// whole text, so that typing replaces the value shown.

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "edit_test_support.h"

using namespace karumoa;
using namespace karumoa::gui;

Q_DECLARE_METATYPE(karumoa::gui::NumericFormat)

namespace {

// Caret positions that are not positions: how the keys reach the field.
// Every way in but the last leaves the whole text selected.
constexpr int kClickRight = -1;    // a click into its right half brings the focus
constexpr int kClickLeft = -2;     // a click into its left half
constexpr int kTab = -3;           // Tab from the button before it
constexpr int kWindowAgain = -4;   // its window, left and activated again
constexpr int kWritten = -5;       // the program writes the value while it has the focus
constexpr int kWindowDialog = -6;  // Kazu_Edit of the window dialog as it opens

const NumericFormat kCount = NumericFormat::Whole(3, NumericFill::Trailing);
const NumericFormat kWidth = NumericFormat::Whole(6, NumericFill::Leading);
const NumericFormat kThickness = NumericFormat::Whole(3, NumericFill::Leading);
const NumericFormat kPerArea = NumericFormat::Decimal(1, 2);

// Types `keys` as a user would: ASCII as key presses ("\n" is Enter),
// other characters as commits of an input method.
void TypeKeys(QWidget* field, const QString& keys) {
    for (const QChar c : keys) {
        if (c == u'\n') {
            QTest::keyClick(field, Qt::Key_Return);
        } else if (c.unicode() < 0x80) {
            QTest::keyClick(field, c.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(c);
            QCoreApplication::sendEvent(field, &commit);
        }
    }
}

// A window with a button that holds the focus and the field beside it.
struct Host {
    QWidget window;
    QPushButton* button = new QPushButton(QStringLiteral("OK"), &window);
    NumericField* field;

    explicit Host(NumericFormat format) : field(new NumericField("Field", format, &window)) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(button);
        layout->addWidget(field);
        window.show();
        QApplication::setActiveWindow(&window);
        button->setFocus();
    }
};

}  // namespace

class NumericFieldTest : public QObject {
    Q_OBJECT

    // The count of the first entry after `keys` are typed into whatever
    // has the focus of the window dialog as it opens: on the first opening
    // and again after a click on "登録" closed it.
    QList<int> CountsTypedIntoOpenedWindowDialog(const QString& keys) {
        test::Program program;
        test::OpenNewRoom(program);
        test::AddWall(program.room(), 1, 8000, 2700);
        program.forms().mainForm().Kabe_Seisaku();
        Mado_Form& mado = program.forms().madoForm();
        program.ctx().Settei_Mode = 0;
        program.room().Kabe_Bangou = 1;
        QList<int> counts;
        for (int opening = 0; opening < 2; ++opening) {
            QTimer::singleShot(0, &mado, [&] {
                if (!QTest::qWaitForWindowActive(&mado)) {
                    mado.reject();
                    return;
                }
                TypeKeys(QApplication::focusWidget(), keys);
                counts << (mado.Mado_Bangou() > 1 ? mado.Mado_Kazu()[1] : 0);
                QTest::mouseClick(mado.Touroku_Button(), Qt::LeftButton);
            });
            mado.Mado_Tuika();
        }
        return counts;
    }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }

    void typedDigitsAreTheValue_data() {
        QTest::addColumn<NumericFormat>("format");
        QTest::addColumn<double>("start");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        auto row = [](const char* name, NumericFormat format, double start, int caret,
                      const QString& keys, double value, const QString& shown) {
            QTest::newRow(name) << format << start << caret << keys << value << shown;
        };
        // clang-format off
        row("window dialog opened, 2 Enter", kCount, 1, kWindowDialog, "2\n", 2, "1__");
        row("count, right half clicked", kCount, 1, kClickRight, "2", 2, "2__");
        row("count, left half clicked", kCount, 1, kClickLeft, "2", 2, "2__");
        row("count, Tab", kCount, 1, kTab, "2", 2, "2__");
        row("count, window activated again", kCount, 1, kWindowAgain, "2", 2, "2__");
        row("count, written while focused", kCount, 1, kWritten, "2", 2, "2__");
        row("count, caret behind the fill", kCount, 1, 3, "2", 12, "12_");
        row("count, caret before the digit", kCount, 1, 0, "2", 21, "21_");
        row("count, a fourth digit goes nowhere", kCount, 0, 0, "1234", 123, "123");
        row("count, a sign refused", kCount, 1, kClickRight, "-5", 5, "5__");
        row("count, plus, letters, blank, point refused", kCount, 0, 0, "+1a 2.x", 12, "12_");
        row("count, full-width digits", kCount, 1, kClickRight, "１２", 12, "12_");
        row("count, a full-width sign refused", kCount, 1, kClickRight, "－５", 5, "5__");
        row("width, right half clicked", kWidth, 4000, kClickRight, "6000", 6000, "__6000");
        row("width, caret inside the fill", kWidth, 0, 2, "6000", 6000, "__6000");
        row("width, full-width digits", kWidth, 0, 6, "６０００", 6000, "__6000");
        row("width, digit before the written ones", kWidth, 4000, 2, "1", 14000, "_14000");
        row("thickness, right half clicked", kThickness, 0, kClickRight, "150", 150, "150");
        row("per area, typed over", kPerArea, 0.2, kClickRight, "1.5", 1.5, "1.5");
        row("per area, second point refused", kPerArea, 0, kClickRight, "0..25", 0.25, "0.25");
        row("per area, third place, second digit refused", kPerArea, 0, kClickRight, "12.345", 1.34, "1.34");
        row("per area, sign refused", kPerArea, 0, kClickRight, "-.5", 0.5, ".5");
        row("per area, full-width digits and point", kPerArea, 0, kClickRight, "１．５", 1.5, "1.5");
        // clang-format on
    }
    void typedDigitsAreTheValue() {
        QFETCH(NumericFormat, format);
        QFETCH(double, start);
        QFETCH(int, caret);
        QFETCH(QString, keys);
        QFETCH(double, value);
        QFETCH(QString, shown);
        if (caret == kWindowDialog) {
            const int count = static_cast<int>(value);
            QCOMPARE(CountsTypedIntoOpenedWindowDialog(keys), (QList<int>{count, count}));
            return;
        }
        Host host(format);
        NumericField* field = host.field;
        field->setValue(start);
        if (caret >= 0 || caret == kWindowAgain || caret == kWritten) {
            // Focused, nothing selected.
            field->setFocus();
            field->setCursorPosition(caret >= 0 ? caret : 1);
        }
        const int y = field->height() / 2;
        switch (caret) {
            case kClickRight:
                QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() * 3 / 4, y));
                break;
            case kClickLeft:
                QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, y));
                break;
            case kTab:
                QTest::keyClick(host.button, Qt::Key_Tab);
                break;
            case kWindowAgain: {
                QWidget other;
                other.show();
                QApplication::setActiveWindow(&other);
                QApplication::setActiveWindow(&host.window);
                break;
            }
            case kWritten:
                field->setValue(start);
                break;
            default:
                break;
        }
        QVERIFY(field->hasFocus());
        if (caret < 0) {
            QCOMPARE(field->selectedText(), field->displayText());
        }
        TypeKeys(field, keys);
        QCOMPARE(field->value(), value);
        QCOMPARE(field->displayText(), shown);
    }

    void emptyFormsAndSwitchingShape() {
        // A head count of four digits and persons per m² in one field,
        // empty from the start and when emptied.
        Host host(NumericFormat::Whole(4, NumericFill::Trailing));
        QCOMPARE(host.field->displayText(), QStringLiteral("____"));
        host.field->clear();
        QCOMPARE(host.field->displayText(), QStringLiteral("____"));
        host.field->setValue(12);
        QCOMPARE(host.field->displayText(), QStringLiteral("12__"));
        host.field->clear();
        QCOMPARE(host.field->displayText(), QStringLiteral("____"));
        host.field->setValue(12);
        host.field->setFormat(kPerArea);
        QCOMPARE(host.field->displayText(), QString());
        host.field->setValue(0.2);
        QCOMPARE(host.field->displayText(), QStringLiteral("0.20"));
        QCOMPARE(host.field->value(), 0.2);
        host.field->setFormat(NumericFormat::Whole(4, NumericFill::Trailing));
        QCOMPARE(host.field->displayText(), QStringLiteral("____"));
        QCOMPARE(host.field->value(), 0.0);
    }
};

QTEST_MAIN(NumericFieldTest)
#include "numeric_field_test.moc"
