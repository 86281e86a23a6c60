#pragma once

#include "historystore.h"
#include "languagecatalog.h"
#include "mastery.h"
#include "programstate.h"

#include <QDateTime>
#include <QDialog>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class ReportOutput;

// The progress map: both 12 × 12 grids of a period, per-table totals, the map's printout, the
// weak-facts sheet and Forget. Opened from the start window's menu and with F9 in the drill window.
class TFProgress : public QDialog
{
    Q_OBJECT

public:
    // What tests replace: the clock, the questions and file choices asked of the user, the output.
    struct Edges
    {
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
        std::function<bool(QWidget *, const QString &)> confirm;    // Forget's question; yes or no
        std::function<QString(QWidget *)> choosePdfPath;             // empty when cancelled
        ReportOutput *output = nullptr;                              // the window's report engine when null
    };

    TFProgress(ProgramState &state, HistoryStore &store, QString homePage, QWidget *parent = nullptr);
    ~TFProgress() override;

    void setEdges(Edges edges);
    // Reads the [Progress] texts of the current language; they show when the window is next opened.
    void LoadCaptions();
    // Reads the history and shows the window modally.
    int showModal();

    // Reads the chosen period's answers and fills both grids.
    void refresh();
    const ProgressMap &map() const { return m_map; }
    const Captions &texts() const { return m_texts; }

    void printMap();
    void saveMapPdf();
    void printWeakSheet();
    void forget();

private:
    void buildControls();
    void applyCaptions();
    void fillGrid(QTableWidget *grid, FactOperation op);
    QString periodName() const;
    QString dateLabel() const;
    ReportOutput &output();
    void step(const std::function<void()> &work);

    ProgramState &m_state;
    HistoryStore &m_store;
    QString m_homePage;
    Edges m_edges;
    Captions m_texts;
    ProgressMap m_map;
    std::unique_ptr<ReportOutput> m_engine;

    QLabel *m_periodLabel;
    QComboBox *m_periodBox;
    QLabel *m_gridTitles[2];
    QTableWidget *m_grids[2];
    QLabel *m_noHistory;
    QLabel *m_legend;
    QPushButton *m_printButton;
    QPushButton *m_pdfButton;
    QPushButton *m_weakSheetButton;
    QPushButton *m_forgetButton;
    QPushButton *m_closeButton;
};
