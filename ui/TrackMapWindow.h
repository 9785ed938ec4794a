#pragma once

#include "track/TrackCells.h"
#include "ui/StoredPlace.h"

#include <QWidget>

#include <optional>

class QPushButton;
class QTextEdit;
class QTimer;
class ShapeBox;
class TrackView;

// The main window: the track, the controlled-train marker, the key help, Quit and Overview.
class TrackMapWindow final : public QWidget {
    Q_OBJECT

public:
    // Creates the window and its controls and runs its Load handling; it stays hidden.
    TrackMapWindow();

    // The track's cells, which the trains colour.
    TrackCells& cells() { return m_cells; }

    // The window's Left and Top in twips, to keep at Quit.
    float leftTwips() const { return m_place->left(*this); }
    float topTwips() const { return m_place->top(*this); }

    // One tick of the key poll: a held Ctrl selects the next train, a held Up or Down moves
    // the controlled train's throttle by 5.
    void pollHeldKey();

protected:
    // Closing the main window ends the program the way Quit does.
    void closeEvent(QCloseEvent* event) override;

private:
    void Load();
    void showOverview();

    TrackCells m_cells;
    TrackView* m_trackView;
    QPushButton* cmdQuit;
    QPushButton* cmdOverview;
    QTextEdit* Text1;
    ShapeBox* shapeTrainControlled;
    QTimer* timerControlChange;
    std::optional<StoredPlace> m_place;
};
