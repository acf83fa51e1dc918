#include "EditorTestSupport.h"
#include "editors/CurrencyText.h"
#include "editors/ui/TCalcDlg.h"
#include "editors/ui/TCurrencyEdit.h"
#include "editors/ui/TEditButton.h"

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <gtest/gtest.h>

#include <functional>

namespace zendrova {
namespace {

// Switches the default locale for one test.
class LocaleScope
{
public:
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};

struct EntryCase
{
    const char *format;
    const char *typed;
    const char *shown;
    double value;
    bool negative;
};

TEST(CurrencyEdit, TypedTextIsParsedFormattedAndColoured)
{
    const EntryCase cases[] = {
        {",0.00", "-12.5", "-12.50", -12.5, true},
        {",0.00", "1-2", "-12.00", -12, true}, // a minus anywhere makes it negative
        {",0.00", "", "0.00", 0, false},
        {",0.00", "1234.5", "1,234.50", 1234.5, false},
        {",0.00", "12a(3)$ 4", "1,234.00", 1234, false}, // only digits, "-" and "." get in
        {",0.00", "1234567.891", "1,234,567.89", 1234567.891, false},
        {",0", "1234.56", "1,235", 1234.56, false},
        {",0", "-0.2", "0", -0.2, true},
        {"0.00", "1234.5", "1234.50", 1234.5, false},
    };
    for (const EntryCase &c : cases) {
        TCurrencyEdit edit;
        edit.setDisplayFormat(QString::fromLatin1(c.format));
        edit.clear();
        QTest::keyClicks(&edit, QString::fromLatin1(c.typed));
        edit.parseAndShow();
        EXPECT_EQ(QString::fromLatin1(c.shown), edit.text()) << c.typed;
        EXPECT_DOUBLE_EQ(c.value, static_cast<double>(edit.Value())) << c.typed;
        EXPECT_EQ(c.negative ? edit.NegColor() : edit.PlusColor(), edit.textColor()) << c.typed;
    }
}

TEST(CurrencyEdit, TextThatDoesNotConvertKeepsTheValue)
{
    TCurrencyEdit edit;
    edit.setValue(7.25L);
    edit.setText(QStringLiteral("1.2.3"));
    edit.parseAndShow();
    EXPECT_EQ(7.25L, edit.Value());
    EXPECT_EQ(QStringLiteral("7.25"), edit.text());
    EXPECT_FALSE(CurrencyText::parse(QStringLiteral("1.2.3")).has_value());
    EXPECT_FALSE(CurrencyText::parse(QStringLiteral(".")).has_value());
}

TEST(CurrencyEdit, AValueSetShowsItselfOverWhateverWasTyped)
{
    TCurrencyEdit edit;
    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("77"));
    EXPECT_EQ(77.0L, edit.shownValue()) << "what is shown counts before the editor is left";
    EXPECT_EQ(0.0L, edit.Value());
    edit.setValue(0);
    EXPECT_EQ(QStringLiteral("0.00"), edit.text());
}

TEST(CurrencyEdit, ABlankAmountStaysBlankUntilTheUserChangesIt)
{
    TCurrencyEdit edit;
    edit.setBlank();
    EXPECT_EQ(QStringLiteral("0.00"), edit.text());
    edit.parseAndShow(); // the field entered and left
    EXPECT_TRUE(edit.isBlank());
    QTest::keyClick(&edit, Qt::Key_5);
    EXPECT_FALSE(edit.isBlank());
    edit.setBlank();
    edit.setValue(0);
    EXPECT_FALSE(edit.isBlank()) << "a value set is an amount";
}

TEST(CurrencyEdit, GermanSeparatorsComeFromTheLocale)
{
    LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    TCurrencyEdit edit;
    EXPECT_EQ(QStringLiteral("0,00"), edit.text());
    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("-1.234,5")); // "." is not a decimal point here
    edit.parseAndShow();
    EXPECT_EQ(QStringLiteral("-1.234,50"), edit.text());
    EXPECT_EQ(-1234.5L, edit.Value());
    // The calculator's point is the locale's too, so its result reads back.
    TCalcDlg calculator(&edit);
    calculator.clear();
    QTest::keyClicks(&calculator, QStringLiteral("1/4="));
    EXPECT_EQ(QStringLiteral("0,25"), edit.text());
    edit.parseAndShow();
    EXPECT_EQ(0.25L, edit.Value());
}

TEST(CurrencyEdit, EnterIsDroppedAndDefaultsAreThoseOfAnAmountField)
{
    TCurrencyEdit edit;
    EXPECT_EQ(QStringLiteral("0.00"), edit.text());
    EXPECT_EQ(1, edit.AlignmentCode());
    EXPECT_EQ(QColor(Qt::blue), edit.PlusColor());
    EXPECT_EQ(QColor(Qt::red), edit.NegColor());
    EXPECT_EQ(QStringLiteral("Click here to display a Calculator"), edit.ButtonHint());
    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("12"));
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(QStringLiteral("12"), edit.text());
}

TEST(CurrencyEdit, ColourChangesShowWhenTheyConcernTheShownSign)
{
    TCurrencyEdit edit;
    edit.setText(QStringLiteral("-3"));
    edit.parseAndShow();
    edit.setPlusColor(Qt::darkCyan);
    EXPECT_EQ(QColor(Qt::red), edit.textColor());
    edit.setNegColor(Qt::magenta);
    EXPECT_EQ(QColor(Qt::magenta), edit.textColor());
    edit.setValue(4);
    EXPECT_EQ(QColor(Qt::darkCyan), edit.textColor());
    edit.setText(QStringLiteral("-1.2.3")); // does not convert: 4 stays, and its colour
    edit.parseAndShow();
    EXPECT_EQ(QStringLiteral("4.00"), edit.text());
    EXPECT_EQ(QColor(Qt::darkCyan), edit.textColor());
}

struct CalcCase
{
    const char *keys;
    const char *shown;
};

TEST(Calculator, KeysWorkLeftToRightIntoTheFieldsText)
{
    const CalcCase cases[] = {
        {"2+3=", "5"},
        {"2+3*4=", "20"}, // no precedence
        {"200+10%", "220"},
        {"200-10%", "180"},
        {"200*10%", "20"},
        {"50/10%", "500"},
        {"7/0=", "Error"},
        {"7/0=5+1=", "Error"}, // only C leaves the error
        {"7/0=c", "0"},
        {"7/0=C3", "3"},
        {"1/3=", "0.3333333333"},
        {"2/3=", "0.6666666667"},
        {"1234567890123456", "123456789012345"},
        {"123456789012345+0=", "123456789012352"}, // a 6-byte real keeps ~12 digits
        {"99999999*99999999=", "Error"},             // too long to show
        {"5_", "-5"},
        {"5_+2=", "-3"},
        {"2-5=", "-3"},
        {"2-5=_", "3"},
        {"12.5.3", "12.53"},
        {".5", "0.5"},
        {"98<", "9"},
        {"9<", "0"},
        {"0.1+0.2=", "0.3"},
        {"2+=", "2"},   // an operator right after another calculates nothing
        {"5+3==", "8"}, // "=" after "=" changes nothing
        {"x8", "8"},
    };
    for (const CalcCase &c : cases) {
        QLineEdit field;
        TCalcDlg calculator(&field);
        calculator.clear();
        EXPECT_EQ(QStringLiteral("0"), field.text());
        test::typeKeys(&calculator, QString::fromLatin1(c.keys));
        EXPECT_EQ(QString::fromLatin1(c.shown), field.text()) << c.keys;
    }
}

TEST(Calculator, ResultsLongerThanTheDisplayLoseDecimals)
{
    QLineEdit field;
    TCalcDlg calculator(&field);
    calculator.clear();
    QTest::keyClicks(&calculator, QStringLiteral("100000/7="));
    EXPECT_EQ(15, field.text().size());
    EXPECT_TRUE(field.text().startsWith(QLatin1String("14285.7142857"))) << field.text().toStdString();
}

TEST(Calculator, ButtonsSendTheirKeys)
{
    QLineEdit field;
    TCalcDlg calculator(&field);
    calculator.clear();
    const std::pair<const char *, QPoint> layout[] = {
        {"B_C", {6, 6}},     {"B_Del", {32, 6}},  {"B_Sign", {58, 6}}, {"B_Div", {84, 6}},
        {"B_7", {6, 32}},    {"B_8", {32, 32}},   {"B_9", {58, 32}},   {"B_Mult", {84, 32}},
        {"B_4", {6, 58}},    {"B_5", {32, 58}},   {"B_6", {58, 58}},   {"B_Subt", {84, 58}},
        {"B_1", {6, 84}},    {"B_2", {32, 84}},   {"B_3", {58, 84}},   {"B_Plus", {84, 84}},
        {"B_Dot", {6, 110}}, {"B_0", {32, 110}},  {"B_Perc", {58, 110}}, {"B_Equ", {84, 110}},
        {"B_OK", {21, 143}}, {"B_Cancel", {61, 143}},
    };
    for (const auto &[name, position] : layout) {
        auto *button = calculator.findChild<QPushButton *>(QString::fromLatin1(name));
        ASSERT_NE(nullptr, button) << name;
        EXPECT_EQ(position, button->pos()) << name;
        EXPECT_EQ(Qt::NoFocus, button->focusPolicy()) << name;
    }
    EXPECT_EQ(QSize(115, 176), calculator.size());
    for (const char *name : {"B_1", "B_2", "B_Dot", "B_5", "B_Sign", "B_Mult", "B_2", "B_Equ"})
        calculator.findChild<QPushButton *>(QString::fromLatin1(name))->click();
    EXPECT_EQ(QStringLiteral("-25"), field.text());
}

TEST(Calculator, EnterFinishesThePendingOperationAndCloses)
{
    QLineEdit field;
    TCalcDlg calculator(&field);
    calculator.clear();
    calculator.show();
    QTest::keyClicks(&calculator, QStringLiteral("2+3"));
    QTest::keyClick(&calculator, Qt::Key_Return);
    EXPECT_EQ(QStringLiteral("5"), field.text());
    EXPECT_EQ(QDialog::Accepted, calculator.result());
    EXPECT_FALSE(calculator.isVisible());
}

// Runs the field's calculator, pressing the named buttons in turn.
bool runCalculator(TCurrencyEdit &edit, const QStringList &buttons)
{
    return test::runPopup<TCalcDlg>(edit, std::function<void(TCalcDlg *)>([&](TCalcDlg *calculator) {
        for (const QString &name : buttons)
            calculator->findChild<QPushButton *>(name)->click();
    }));
}

TEST(Calculator, OkFormatsTheResultAndCancelRestoresTheText)
{
    TCurrencyEdit edit;
    edit.setValue(1234);
    ASSERT_TRUE(runCalculator(edit, {"B_1", "B_2", "B_Dot", "B_5", "B_OK"}));
    EXPECT_EQ(QStringLiteral("12.50"), edit.text());
    EXPECT_EQ(12.5L, edit.Value());
    EXPECT_EQ(edit.PlusColor(), edit.textColor());

    ASSERT_TRUE(runCalculator(edit, {"B_9", "B_Sign", "B_Cancel"}));
    EXPECT_EQ(QStringLiteral("12.50"), edit.text());
    EXPECT_EQ(12.5L, edit.Value());

    ASSERT_TRUE(runCalculator(edit, {"B_9", "B_Sign", "B_OK"}));
    EXPECT_EQ(QStringLiteral("-9.00"), edit.text());
    EXPECT_EQ(edit.NegColor(), edit.textColor());
}

} // namespace
} // namespace zendrova
