#include "ui/TrackMapWindow.h"

#include "ui/DesignFont.h"
#include "ui/DesignUnits.h"
#include "ui/ShapeBox.h"
#include "ui/TrackView.h"
#include "ui/TrainModel.h"
#include "ui/WindowDesign.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTextEdit>

#include <utility>

namespace {

constexpr Color kBackground = 0xFFC0C0;   // red 192, green 192, blue 255
constexpr Color kMarkerBorder = 0xFE007F; // red 127, green 0, blue 254
constexpr int kHelpMargin = 1;

// Seven lines, each ended by a line break, the last one too.
constexpr const char* kHelpText = QT_TRANSLATE_NOOP("TrackMapWindow", "CTRL = Select Train \n"
                                                                      "UP-DOWN = Throttle \n"
                                                                      "LEFT-RIGHT = Turn\n"
                                                                      "--------------------------\n"
                                                                      "Defaults -\n"
                                                                      "Straight at 4-ways,\n"
                                                                      "Right at 3-ways\n");

} // namespace

TrackMapWindow::TrackMapWindow(TrainModel& model, const TrackCells& cells, StoredPlace place)
    : m_trackView(new TrackView(cells, this)), cmdQuit(new QPushButton(tr("Quit"), this)),
      cmdOverview(new QPushButton(tr("Overview"), this)), Text1(new QTextEdit(this)),
      shapeTrainControlled(new ShapeBox(kWhite, kMarkerBorder, this)), m_place(std::move(place)) {
    applyWindowDesign(*this, QStringLiteral("frmTrackMap"), tr("Track Map"), kBackground);
    setFixedSize(twipsRect(0, 0, 9150, 5865).size());

    m_trackView->setGeometry(rect());
    m_trackView->setAccessibleName(tr("Track"));

    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit->setGeometry(twipsRect(6300, 120, 975, 435));
    cmdQuit->setToolTip(tr("Save the settings and end Varnok"));
    fitButtonFont(*cmdQuit);

    cmdOverview->setObjectName(QStringLiteral("cmdOverview"));
    cmdOverview->setGeometry(twipsRect(6300, 840, 1000, 300));
    cmdOverview->setFont(designFont(QStringLiteral("Tahoma"), 8.25));
    cmdOverview->setToolTip(tr("Show the state of every train"));
    fitButtonFont(*cmdOverview);

    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(tr("Keys"));
    Text1->setGeometry(twipsRect(7440, 120, 1455, 1275));
    Text1->setFrameShape(QFrame::Box);
    Text1->document()->setDocumentMargin(kHelpMargin);
    const QString helpText = tr(kHelpText);
    // One pixel to spare, so that no line of the help wraps.
    const int helpWidth = Text1->contentsRect().width() - 2 * kHelpMargin - 1;
    Text1->setFont(
        fittingFont(designFont(QStringLiteral("Small Fonts"), 6.75), helpText, helpWidth));
    Text1->setPlainText(helpText);
    Text1->selectAll();
    Text1->setAlignment(Qt::AlignHCenter);
    Text1->moveCursor(QTextCursor::Start);
    Text1->setReadOnly(true);
    // No edit menu on a right press: an open menu takes the keyboard, and a key let go
    // meanwhile would stay held for the trains.
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette textBackground = palette();
    textBackground.setColor(QPalette::Base, toQColor(kBackground));
    Text1->setPalette(textBackground);

    shapeTrainControlled->setObjectName(QStringLiteral("shapeTrainControlled"));
    shapeTrainControlled->setGeometry(twipsRect(420, 4920, 1215, 555));
    shapeTrainControlled->setAccessibleName(tr("Controlled train's colour"));

    setTabOrder(cmdQuit, cmdOverview);
    setTabOrder(cmdOverview, Text1);
    cmdQuit->setFocus();

    connect(cmdQuit, &QPushButton::clicked, this, &TrackMapWindow::quitRequested);
    connect(cmdOverview, &QPushButton::clicked, this, &TrackMapWindow::overviewRequested);
    // The marker keeps the colour the train had when it was selected.
    connect(&model, &TrainModel::trainSelected, shapeTrainControlled, &ShapeBox::setFillColor);

    m_place.moveWindow(*this);
}

// Closing the main window ends the program the way Quit does.
void TrackMapWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit quitRequested();
}
