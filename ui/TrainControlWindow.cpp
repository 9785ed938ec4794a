#include "ui/TrainControlWindow.h"

#include "ui/DesignFont.h"
#include "ui/DesignUnits.h"
#include "ui/Headings.h"
#include "ui/ShapeBox.h"
#include "ui/ShiftState.h"
#include "ui/TextBox.h"
#include "ui/TrainModel.h"
#include "ui/WindowDesign.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>

#include <utility>

namespace {

constexpr Color kBackground = 0xC0C000; // red 0, green 192, blue 192
constexpr Color kRowBox = 0xFF8080;     // red 128, green 128, blue 255
constexpr Color kSpeedText = 0x0000C0;  // red 192
constexpr Color kLengthText = 0x008000; // green 128
constexpr int kClientWidth = 4035;
constexpr int kRowPitch = 600;
// The design frame's caption and borders: the client area is this much lower than Height,
// whatever frame the window manager draws.
constexpr float kFrameHeight = 360;
constexpr int kThrottlePageStep = 10;
// The outer Height that shows the headings and the row of one train.
constexpr float kOneTrainHeight = 1360;

constexpr std::array<Heading, 4> kHeadings = {{
    {"Label4", QT_TRANSLATE_NOOP("TrainControlWindow", "Color"), 120, 585},
    {"Label5", QT_TRANSLATE_NOOP("TrainControlWindow", "Throttle"), 960, 1425},
    {"Label1", QT_TRANSLATE_NOOP("TrainControlWindow", "Speed"), 2580, 705},
    {"Label3", QT_TRANSLATE_NOOP("TrainControlWindow", "Len"), 3300, 465},
}};

QString controlName(const char* name, int index) {
    return QString::fromLatin1(name) + QString::number(index);
}

// What a screen reader calls a control of train `index`'s row, numbered as the overview
// numbers the trains.
QString trainControlName(const QString& what, int index) {
    return TrainControlWindow::tr("Train %1 %2").arg(index).arg(what);
}

// The tip of the window's background, where a press adds or removes a train.
QString backgroundTip() {
    return TrainControlWindow::tr("Click: add a train, Shift+click: remove one");
}

} // namespace

float TrainControlWindow::heightForTrains(std::int32_t trainCount) {
    return kOneTrainHeight + float(kRowPitch * (trainCount - 1));
}

TrainControlWindow::TrainControlWindow(TrainModel& model, StoredPlace place)
    : m_model(model), m_place(std::move(place)) {
    applyWindowDesign(*this, QStringLiteral("frmTrainControl"), tr("Train Control"), kBackground);
    const QFont boldTahoma = designFont(QStringLiteral("Tahoma"), 8.25, true);

    addHeadings(*this, kHeadings, 120, 195, boldTahoma, Qt::AlignCenter);

    for (int i = 0; i < kTrainSlots; ++i) {
        const auto row = static_cast<std::size_t>(i);
        const int r = kRowPitch * i;
        const auto newTextBox = [this, i](const char* name, QRect place) {
            auto* box = new TextBox(this);
            box->setObjectName(controlName(name, i));
            box->setGeometry(place);
            return box;
        };
        const auto newNumberBox = [&](const char* name, QRect place, Color textColor) {
            TextBox* box = newTextBox(name, place);
            box->setFont(boldTahoma);
            box->setAlignment(Qt::AlignCenter);
            box->setForeColor(textColor);
            return box;
        };

        boxTrainControl[row] = new ShapeBox(kRowBox, std::nullopt, this);
        boxTrainControl[row]->setObjectName(controlName("boxTrainControl", i));
        boxTrainControl[row]->setGeometry(twipsRect(135, 400 + r, 3750, 500));
        boxTrainControl[row]->setAccessibleName(trainControlName(tr("row"), i));

        txtTrainColor[row] = newTextBox("txtTrainColor", twipsRect(240, 500 + r, 300, 300));
        txtTrainColor[row]->setToolTip(tr("Click: next colour"));
        txtTrainColor[row]->setAccessibleName(trainControlName(tr("colour"), i));
        connect(txtTrainColor[row], &TextBox::clicked, this,
                [this, i] { m_model.selectNextColor(i); });

        QScrollBar* throttle = new QScrollBar(Qt::Horizontal, this);
        throttle->setObjectName(controlName("HScrollTrainSpeed", i));
        throttle->setGeometry(twipsRect(645, 550 + r, 1900, 195));
        throttle->setRange(kThrottleMin, kThrottleMax);
        throttle->setSingleStep(1);
        throttle->setPageStep(kThrottlePageStep);
        throttle->setFocusPolicy(Qt::StrongFocus);
        throttle->setAttribute(Qt::WA_NoMousePropagation);
        throttle->setToolTip(tr("Drag or click: this train's pace, from 0 (stopped) to 100"));
        throttle->setAccessibleName(trainControlName(tr("throttle"), i));
        // No scroll menu on a right press: an open menu takes the keyboard, and a key let go
        // meanwhile would stay held for the trains.
        throttle->setContextMenuPolicy(Qt::NoContextMenu);
        // Every position of a dragged thumb goes to the model; the model's change, whether
        // from here or from the keys, comes back through showThrottle.
        connect(throttle, &QScrollBar::valueChanged, this,
                [this, i](int value) { m_model.setThrottle(i, value); });
        HScrollTrainSpeed[row] = throttle;

        txtTrainSpeed[row] =
            newNumberBox("txtTrainSpeed", twipsRect(2685, 500 + r, 500, 300), kSpeedText);
        txtTrainSpeed[row]->setToolTip(tr("Speed, set by the throttle"));
        txtTrainSpeed[row]->setAccessibleName(trainControlName(tr("speed"), i));
        txtTrainLength[row] = newNumberBox(
            "txtTrainLength", twipsRect(i == 0 ? 3375 : 3360, 500 + r, 360, 300), kLengthText);
        // The longest length, "501", shows whole where a substitute for Tahoma is too wide.
        txtTrainLength[row]->setFont(fittingFont(boldTahoma, QString::number(kBodyCapacity),
                                                 txtTrainLength[row]->textWidth()));
        txtTrainLength[row]->setToolTip(tr("Click: longer, Shift+click: shorter"));
        txtTrainLength[row]->setAccessibleName(trainControlName(tr("length"), i));
        connect(txtTrainLength[row], &TextBox::pressed, this,
                [this, i](int shiftState) { m_model.pressLength(i, shiftState); });
    }

    const std::array<QWidget*, 12> tabOrder = {
        HScrollTrainSpeed[0], txtTrainSpeed[0],     HScrollTrainSpeed[1], txtTrainSpeed[1],
        txtTrainSpeed[2],     HScrollTrainSpeed[2], txtTrainColor[2],     txtTrainColor[1],
        txtTrainColor[0],     txtTrainLength[2],    txtTrainLength[1],    txtTrainLength[0]};
    for (std::size_t k = 1; k < tabOrder.size(); ++k) {
        setTabOrder(tabOrder[k - 1], tabOrder[k]);
    }
    HScrollTrainSpeed[0]->setFocus();
    setAccessibleDescription(backgroundTip());

    connect(&m_model, &TrainModel::throttleChanged, this, &TrainControlWindow::showThrottle);
    connect(&m_model, &TrainModel::colorChanged, this, &TrainControlWindow::showColor);
    connect(&m_model, &TrainModel::lengthChanged, this, &TrainControlWindow::showLength);
    connect(&m_model, &TrainModel::trainCountChanged, this,
            [this] { setHeightTwips(heightForTrains(m_model.state().TrainCount)); });
    // While a drive plays, the throttles are its own: a drag would change nothing.
    connect(&m_model, &TrainModel::userDrivesChanged, this, [this](bool drives) {
        for (QScrollBar* throttle : HScrollTrainSpeed) {
            throttle->setEnabled(drives);
        }
    });

    // The window always shows the rows of the trains in use, so a press can never take it
    // below one row, nor leave a train without its row.
    setHeightTwips(heightForTrains(m_model.state().TrainCount));
    m_place.moveWindow(*this);

    // Every row, whatever the number of trains. The speed box shows the stored speed until
    // the throttle first moves.
    for (int i = 0; i < kTrainSlots; ++i) {
        const TrainRecord& train = trainAt(m_model.state(), i);
        const auto row = static_cast<std::size_t>(i);
        HScrollTrainSpeed[row]->setValue(train.Throttle);
        txtTrainSpeed[row]->setText(QString::number(train.Speed));
        showColor(i);
        showLength(i);
    }
}

void TrainControlWindow::setHeightTwips(float height) {
    m_height = height;
    const int clientHeight = std::max(0, twipsToPixels(double(height) - kFrameHeight));
    setFixedSize(twipsToPixels(kClientWidth), clientHeight);
}

void TrainControlWindow::showThrottle(int index) {
    const auto row = trainSlot(index);
    const std::int32_t value = trainAt(m_model.state(), index).Throttle;
    HScrollTrainSpeed[row]->setValue(value);
    txtTrainSpeed[row]->setText(QString::number(value));
}

void TrainControlWindow::showColor(int index) {
    txtTrainColor[trainSlot(index)]->setBackColor(trainColor(m_model.state(), index));
}

void TrainControlWindow::showLength(int index) {
    txtTrainLength[trainSlot(index)]->setText(
        QString::number(trainAt(m_model.state(), index).Length));
}

void TrainControlWindow::mousePressEvent(QMouseEvent* event) {
    m_model.pressTrainCount(shiftStateOf(event->modifiers()));
}

// Qt reports the second press of a quick pair as a double click; to the user it is a press.
void TrainControlWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

// The background's tip shows only where a press adds or removes a train: on the window itself
// and on the row boxes, which take no mouse input, not on a control or a heading.
bool TrainControlWindow::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    if (childAt(help->pos()) == nullptr) {
        QToolTip::showText(help->globalPos(), backgroundTip(), this);
    } else {
        QToolTip::hideText();
    }
    return true;
}

// Closing this window ends the program the way Quit does.
void TrainControlWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit quitRequested();
}
