#include "ui/OverviewWindow.h"

#include "sim/BodyList.h"
#include "ui/DesignFont.h"
#include "ui/DesignUnits.h"
#include "ui/Headings.h"
#include "ui/LongTextBox.h"
#include "ui/TextBox.h"
#include "ui/TrainModel.h"
#include "ui/WindowDesign.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr Color kBackground = 0x80C0FF; // red 255, green 192, blue 128
constexpr int kRefreshInterval = 100;   // ms
constexpr int kFirstRowTop = 540;
constexpr int kRowPitch = 360;
constexpr int kRowHeight = 285;

constexpr std::array<Heading, 5> kHeadings = {{
    {"Label2", QT_TRANSLATE_NOOP("OverviewWindow", "Speed"), 480, 600},
    {"Label3", QT_TRANSLATE_NOOP("OverviewWindow", "Pos"), 1080, 480},
    {"Label4", QT_TRANSLATE_NOOP("OverviewWindow", "Clr"), 1560, 285},
    {"Label5", QT_TRANSLATE_NOOP("OverviewWindow", "Len"), 1800, 600},
    {"Label9", QT_TRANSLATE_NOOP("OverviewWindow", "Worm"), 2390, 4000},
}};

constexpr std::array<const char*, kTrainSlots> kRowLabelNames = {"Label6", "Label7", "Label8"};

int rowTop(int index) {
    return kFirstRowTop + kRowPitch * index;
}

QLabel* newLabel(QWidget* window, const char* name, const QString& caption, QRect place,
                 const QFont& font, Qt::Alignment alignment) {
    auto* label = new QLabel(caption, window);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

// Names and places a box of the window.
template <typename Box>
Box* placedBox(Box* box, const QString& name, QRect place, const QFont& font,
               Qt::Alignment alignment) {
    box->setObjectName(name);
    box->setGeometry(place);
    box->setFont(font);
    box->setAlignment(alignment);
    return box;
}

// Rewrites a box only when its number changes, and shows it from its start: a steady field
// keeps a selection the user made in it.
void showNumber(QLineEdit& box, std::int32_t number) {
    const QString text = QString::number(number);
    if (box.text() != text) {
        box.setText(text);
        box.setCursorPosition(0);
    }
}

} // namespace

OverviewWindow::OverviewWindow(TrainModel& model, StoredPlace place)
    : m_model(model), m_place(std::move(place)) {
    applyWindowDesign(*this, QStringLiteral("frmOverview"), tr("Overview"), kBackground);
    setFixedSize(twipsRect(0, 0, 6600, 2355).size());

    const QFont headingFont = designFont(QStringLiteral("Small Fonts"), 6.75, true);
    const QFont wormFont = designFont(QStringLiteral("Small Fonts"), 6.75);
    const QFont rowFont = designFont(QStringLiteral("Tahoma"), 8.25, true);

    addHeadings(*this, kHeadings, 300, 255, headingFont, Qt::AlignLeft | Qt::AlignTop);

    for (int i = 0; i < kTrainSlots; ++i) {
        const auto row = static_cast<std::size_t>(i);
        const int top = rowTop(i);
        const auto rowBox = [&](auto* box, const char* name, const QString& what, int left,
                                int width, const QFont& font, Qt::Alignment alignment) {
            placedBox(box, QString::fromLatin1(name) + QString::number(i),
                      twipsRect(left, top, width, kRowHeight), font, alignment);
            box->setAccessibleName(tr("Train %1 %2").arg(i).arg(what));
            return box;
        };
        newLabel(this, kRowLabelNames[row], QString::number(i), twipsRect(180, top, 300, 405),
                 rowFont, Qt::AlignHCenter | Qt::AlignTop);
        txtTrainSpeed[row] = rowBox(new TextBox(this), "txtTrainSpeed", tr("stored speed"), 540,
                                    500, rowFont, Qt::AlignCenter);
        txtTrainPosition[row] = rowBox(new TextBox(this), "txtTrainPosition", tr("head cell"), 1020,
                                       500, rowFont, Qt::AlignCenter);
        txtTrainColor[row] = rowBox(new TextBox(this), "txtTrainColor", tr("colour number"), 1500,
                                    320, rowFont, Qt::AlignCenter);
        txtTrainLength[row] = rowBox(new TextBox(this), "txtTrainLength", tr("length"), 1800, 600,
                                     rowFont, Qt::AlignCenter);
        txtWorm[row] = rowBox(new LongTextBox(this), "txtWorm", tr("cells"), 2390, 4000, wormFont,
                              Qt::AlignLeft | Qt::AlignVCenter);
    }

    const QRect countLabelPlace = twipsRect(420, 1800, 915, 255);
    const QString countCaption = tr("TrainCount");
    newLabel(this, "Label1", countCaption, countLabelPlace,
             fittingFont(font(), countCaption, countLabelPlace.width()),
             Qt::AlignRight | Qt::AlignTop);
    txtTrainCount = placedBox(new TextBox(this), QStringLiteral("txtTrainCount"),
                              twipsRect(1440, 1740, 495, 375),
                              designFont(QStringLiteral("Tahoma"), 9, true), Qt::AlignCenter);
    txtTrainCount->setAccessibleName(tr("Number of trains"));

    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(twipsRect(2340, 1800, 800, 300));
    cmdClose->setToolTip(tr("Hide this window; it keeps following the trains"));
    fitButtonFont(*cmdClose);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);

    txtKeyDown =
        placedBox(new TextBox(this), QStringLiteral("txtKeyDown"), twipsRect(4200, 1740, 1095, 435),
                  font(), Qt::AlignLeft | Qt::AlignVCenter);
    txtKeyDown->setAccessibleName(tr("Held key code"));

    std::vector<QWidget*> tabOrder = {txtTrainCount};
    for (const auto& column : {txtTrainPosition, txtTrainSpeed, txtTrainColor, txtTrainLength}) {
        tabOrder.insert(tabOrder.end(), column.begin(), column.end());
    }
    tabOrder.push_back(cmdClose);
    tabOrder.insert(tabOrder.end(), txtWorm.begin(), txtWorm.end());
    tabOrder.push_back(txtKeyDown);
    for (std::size_t k = 1; k < tabOrder.size(); ++k) {
        setTabOrder(tabOrder[k - 1], tabOrder[k]);
    }
    txtTrainCount->setFocus();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &OverviewWindow::refresh);
    Timer1->start(kRefreshInterval);

    m_place.moveWindow(*this);
    // The fields show the state from the start, not only from the first tick.
    refresh();
}

void OverviewWindow::refresh() {
    m_model.catchUp();
    const SharedState& state = m_model.state();
    showNumber(*txtKeyDown, state.KeyDownCode);
    showNumber(*txtTrainCount, state.TrainCount);
    for (int i = 0; i < kTrainSlots; ++i) {
        const auto row = static_cast<std::size_t>(i);
        const TrainRecord& train = trainAt(state, i);
        showNumber(*txtTrainSpeed[row], train.Speed);
        showNumber(*txtTrainPosition[row], train.HeadPos);
        showNumber(*txtTrainColor[row], train.ColorIndex);
        showNumber(*txtTrainLength[row], train.Length);
        // A long body list keeps its head in view.
        const QString body = QString::fromStdString(BodyList(state, i));
        if (txtWorm[row]->wholeText() != body) {
            txtWorm[row]->setWholeText(body);
        }
    }
}
