#include "app/Translations.h"
#include "sim/SharedState.h"
#include "track/TrackCells.h"
#include "ui/OverviewWindow.h"
#include "ui/StoredPlace.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrainControlWindow.h"
#include "ui/TrainModel.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

// The windows keep their sizes in every language: each text of each window is whole in its
// box, in a font no smaller than can be read.

namespace {

// The smallest font in which a caption still reads, in points; the smallest of the design is
// 6.75.
constexpr qreal kSmallestLegiblePoints = 6;

struct Language {
    const char* locale;
    const char* catalog; // empty: the texts as written
};

class WindowTextsTest : public testing::TestWithParam<Language> {};

// Where the text of each kind of box is drawn.
QRectF textRoom(QWidget& box) {
    if (auto* button = qobject_cast<QPushButton*>(&box)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    if (auto* edit = qobject_cast<QTextEdit*>(&box)) {
        const qreal margin = edit->document()->documentMargin();
        return QRectF(edit->viewport()->rect()).adjusted(margin, margin, -margin, -margin);
    }
    return static_cast<QLabel&>(box).contentsRect();
}

QString textOf(QWidget& box) {
    if (auto* button = qobject_cast<QPushButton*>(&box)) {
        return button->text();
    }
    if (auto* edit = qobject_cast<QTextEdit*>(&box)) {
        return edit->toPlainText();
    }
    return static_cast<QLabel&>(box).text();
}

void expectWholeTexts(QWidget& window) {
    int boxes = 0;
    for (QWidget* box : window.findChildren<QWidget*>()) {
        if (!qobject_cast<QLabel*>(box) && !qobject_cast<QPushButton*>(box) &&
            !qobject_cast<QTextEdit*>(box)) {
            continue;
        }
        ++boxes;
        const QString text = textOf(*box);
        const QRectF room = textRoom(*box);
        const QFontMetricsF metrics(box->font());
        SCOPED_TRACE(
            (window.objectName() + QChar('.') + box->objectName() + QStringLiteral(": ") + text)
                .toStdString());
        qreal widest = 0;
        const QStringList lines = text.split(QChar('\n'));
        for (const QString& line : lines) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        EXPECT_LE(widest, room.width());
        EXPECT_LE(metrics.height() * qreal(lines.size()), room.height());
        EXPECT_GE(box->font().pointSizeF(), kSmallestLegiblePoints);
    }
    EXPECT_GT(boxes, 0);
}

TEST_P(WindowTextsTest, EveryTextIsWholeInItsBox) {
    Translations translations{QLocale(QString::fromLatin1(GetParam().locale))};
    ASSERT_EQ(translations.language(), QString::fromLatin1(GetParam().catalog));
    translations.install();
    SharedState state;
    state.TrainCount = kTrainSlots;
    TrainModel model{state};
    const TrackCells cells;
    const auto place = [] { return StoredPlace({0, 0}, {0, 0}, {}, false); };
    TrackMapWindow trackMap(model, cells, place());
    TrainControlWindow trainControl(model, place());
    OverviewWindow overview(model, place());
    for (QWidget* window : std::initializer_list<QWidget*>{&trackMap, &trainControl, &overview}) {
        // Shown, so that every box has its final size, as the user sees it.
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        expectWholeTexts(*window);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, WindowTextsTest,
                         testing::Values(Language{"C", ""}, Language{"de_DE", "de"},
                                         Language{"fr_FR", "fr"}, Language{"nl_NL", "nl"}),
                         [](const testing::TestParamInfo<Language>& info) {
                             return std::string(info.param.catalog[0] != '\0' ? info.param.catalog
                                                                              : "en");
                         });

} // namespace
