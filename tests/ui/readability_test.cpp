#include "register/keyhintlabel.h"
#include "register/themecolors.h"
#include "support/records.h"
#include "support/testrunner.h"
#include "ui/categorytreemodel.h"
#include "ui/sidebardelegate.h"
#include "ui/thememanager.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTest>

#include <cmath>

// Texts a person must be able to read: the amount colours of both themes against every
// background they are drawn on (WCAG 2 contrast of at least 4.5:1, the level for body text),
// and the register's key list, which gives way key by key instead of wrapping.
class ReadabilityTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void contrastFormula_data();
    void contrastFormula();
    void amountColoursStandOut_data();
    void amountColoursStandOut();
    void sidebarBalancesStandOut_data();
    void sidebarBalancesStandOut();
    void keyListGivesWayKeyByKey_data();
    void keyListGivesWayKeyByKey();
    void keyListTooltipOnlyWhenCut();

private:
    static double luminance(const QColor &color);
    static double contrast(const QColor &a, const QColor &b);
};

namespace {

const QString kKeys = QStringLiteral("Ctrl+Enter: save  |  Enter: next  |  Ctrl+D: delete  |  "
                                     "Ctrl+M: memorize  |  ': copy above");

} // namespace

void ReadabilityTest::cleanup()
{
    QApplication::setPalette(ThemeManager::lightPalette());
}

double ReadabilityTest::luminance(const QColor &color)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

double ReadabilityTest::contrast(const QColor &a, const QColor &b)
{
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

void ReadabilityTest::contrastFormula_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("expected");
    // Figures any WCAG contrast checker gives.
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("same colour") << QColor(0x77, 0x77, 0x77) << QColor(0x77, 0x77, 0x77) << 1.0;
    QTest::newRow("#777777 on white") << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << 4.48;
}

void ReadabilityTest::contrastFormula()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, expected);
    QVERIFY2(std::abs(contrast(a, b) - expected) < 0.01,
             qPrintable(QString::number(contrast(a, b))));
    QCOMPARE(contrast(a, b), contrast(b, a));
}

void ReadabilityTest::amountColoursStandOut_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("background");
    for (const bool dark : {false, true}) {
        for (const char *colour : {"income", "payment", "income category"}) {
            for (const char *background : {"window", "base", "alternate", "entry line"}) {
                QTest::addRow("%s: %s on %s", dark ? "dark" : "light", colour, background)
                    << dark << QString::fromLatin1(colour) << QString::fromLatin1(background);
            }
        }
    }
}

void ReadabilityTest::amountColoursStandOut()
{
    QFETCH(bool, dark);
    QFETCH(QString, colour);
    QFETCH(QString, background);
    QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
    QCOMPARE(ThemeColors::isDark(), dark);
    const QPalette palette = QApplication::palette();
    QColor text = colour == QLatin1String("income") ? ThemeColors::positiveAmount()
                                                    : ThemeColors::negativeAmount();
    if (colour == QLatin1String("income category")) {
        // As the categories window shows the type of an income category.
        Category salary = Records::category(QStringLiteral("Salary"));
        salary.type = CategoryType::Income;
        CategoryTreeModel model;
        model.setCategories({salary});
        text = model.index(0, CategoryTreeModel::TypeColumn)
                   .data(Qt::ForegroundRole)
                   .value<QBrush>()
                   .color();
    }
    const QColor behind = background == QLatin1String("window") ? palette.color(QPalette::Window)
                          : background == QLatin1String("base") ? palette.color(QPalette::Base)
                          : background == QLatin1String("alternate")
                              ? palette.color(QPalette::AlternateBase)
                              : ThemeColors::editLineHighlight();
    const double ratio = contrast(text, behind);
    QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3:1")
                                          .arg(text.name(), behind.name())
                                          .arg(ratio, 0, 'f', 2)));
}

void ReadabilityTest::sidebarBalancesStandOut_data()
{
    // The account list keeps its own dark colours in both themes: its rows, a row under the
    // mouse and the selected row.
    QTest::addColumn<qint64>("balance");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QColor>("background");
    for (const qint64 balance : {qint64(1119535), qint64(-7478)}) {
        const char *sign = balance >= 0 ? "positive" : "negative";
        QTest::addRow("%s on a row", sign) << balance << false << QColor(0x15, 0x24, 0x20);
        QTest::addRow("%s under the mouse", sign) << balance << false << QColor(0x1E, 0x35, 0x30);
        QTest::addRow("%s selected", sign) << balance << true << QColor(0x26, 0x57, 0x4A);
    }
}

void ReadabilityTest::sidebarBalancesStandOut()
{
    QFETCH(qint64, balance);
    QFETCH(bool, selected);
    QFETCH(QColor, background);
    const QColor text(SidebarDelegate::balanceColor(balance, selected));
    const double ratio = contrast(text, background);
    QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3:1")
                                          .arg(text.name(), background.name())
                                          .arg(ratio, 0, 'f', 2)));
}

void ReadabilityTest::keyListGivesWayKeyByKey_data()
{
    const QFontMetrics metrics(QApplication::font());
    const auto width = [&](const QString &text) { return metrics.horizontalAdvance(text); };
    const QString threeKeys =
        QStringLiteral("Ctrl+Enter: save  |  Enter: next  |  Ctrl+D: delete  |  …");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("shown");
    QTest::newRow("room for all") << width(kKeys) << kKeys;
    QTest::newRow("one pixel short") << width(kKeys) - 1
                                     << QStringLiteral("Ctrl+Enter: save  |  Enter: next  |  "
                                                       "Ctrl+D: delete  |  Ctrl+M: memorize  |  …");
    QTest::newRow("room for three keys") << width(threeKeys) << threeKeys;
    QTest::newRow("room for one key") << width(QStringLiteral("Ctrl+Enter: save  |  …"))
                                      << QStringLiteral("Ctrl+Enter: save  |  …");
    QTest::newRow("not even one key")
        << width(QStringLiteral("Ctrl+Ent"))
        << metrics.elidedText(QStringLiteral("Ctrl+Enter: save"), Qt::ElideRight,
                              width(QStringLiteral("Ctrl+Ent")));
}

void ReadabilityTest::keyListGivesWayKeyByKey()
{
    QFETCH(int, width);
    QFETCH(QString, shown);
    const QFontMetrics metrics(QApplication::font());
    const QString fitted = KeyHintLabel::fitted(kKeys, metrics, width);
    QCOMPARE(fitted, shown);
    QVERIFY(metrics.horizontalAdvance(fitted) <= width);
}

void ReadabilityTest::keyListTooltipOnlyWhenCut()
{
    KeyHintLabel label(kKeys);
    label.resize(label.sizeHint());
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QCOMPARE(label.shownText(), kKeys);
    QVERIFY(label.toolTip().isEmpty());
    label.resize(label.sizeHint().width() / 2, label.height());
    QTRY_VERIFY(label.shownText().endsWith(QStringLiteral("…")));
    QCOMPARE(label.toolTip().split(QLatin1Char('\n')).size(), 5);
    QVERIFY(label.toolTip().contains(QStringLiteral("': copy above")));
    QCOMPARE(label.text(), kKeys);
}

LEDGERWELL_TEST(ReadabilityTest)
#include "readability_test.moc"
