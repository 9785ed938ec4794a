#pragma once

#include "track/TrackCells.h"
#include "ui/StoredPlace.h"

#include <QWidget>

class QPushButton;
class QTextEdit;
class ShapeBox;
class TrackView;
class TrainModel;

// The main window: the track, the controlled-train marker, the key help, Quit and Overview.
// The marker takes the colour of each train that Ctrl selects.
class TrackMapWindow final : public QWidget {
    Q_OBJECT

public:
    // Creates the window and its controls, drawing `cells`, at `place`; it stays hidden.
    TrackMapWindow(TrainModel& model, const TrackCells& cells, StoredPlace place);

    TrackView& trackView() { return *m_trackView; }

    // The window's Left and Top in twips, to keep at Quit.
    float leftTwips() const { return m_place.left(*this); }
    float topTwips() const { return m_place.top(*this); }

signals:
    // Quit, or a close from the window system: the user wants the program to end.
    void quitRequested();
    void overviewRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TrackView* m_trackView;
    QPushButton* cmdQuit;
    QPushButton* cmdOverview;
    QTextEdit* Text1;
    ShapeBox* shapeTrainControlled;
    StoredPlace m_place;
};
