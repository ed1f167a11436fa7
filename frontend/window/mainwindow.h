#pragma once
// The single window of Norvel: input forms, engine run, result views.
// Sources: mainwindow.cpp (construction, menus, tabs), mainwindow_form.cpp
// (input rows), mainwindow_input.cpp (form logic, saving and opening),
// mainwindow_documents.cpp (the design file as a document: title, unsaved
// changes, file dialogs, recent files), mainwindow_guide.cpp (tooltips and
// range marks of the input fields), and the results-side files that define
// the remaining slots.
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <string>

#include "results/state_summary.h"
#include "files/design.h"
#include "window/design_document.h"
#include "window/file_dialogs.h"
#include "window/project_head_dialog.h"
#include "window/shown_run.h"
#include "window/unsaved_changes.h"

class FollowingFields;
class InputGuide;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QCustomPlot;
class QGraphicsScene;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLayout;
class QMenu;
class QProcess;
class QPushButton;
class QTableWidgetItem;
class QTextEdit;
class QVBoxLayout;
class QWidget;
class MyGraphicsView;
class MomentCurvaturePlot;
class RunStatus;
class ShearConnectorGroup;
class NumberEdit;
class WindowActions;
namespace design {
struct Design;
}
namespace designfile {
struct Choices;
}

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Message boxes go through showCritical/showInformation. With quiet
    // messages on (tests, batch runs) they are recorded in the window's
    // message log instead of shown; set it before constructing a window.
    static void setQuietMessages(bool quiet);
    const QStringList &messageLog() const { return m_messageLog; }
    // The titles of the logged messages ("Fehler", "Warnung", ...), in step with the texts.
    const QStringList &messageTitles() const { return m_messageTitles; }
    void clearMessageLog() {
        m_messageLog.clear();
        m_messageTitles.clear();
    }

    // The menu "Berechnung"; further calculation commands are added at its end.
    QMenu *calculationMenu() const;

signals:
    void werteGeaendert();
    // The results of a successful engine run are shown.
    void berechnungAbgeschlossen();

private slots:
    void ueberClicked();
    void neuClicked();
    void onButtonClicked();
    void oeffnenClicked();
    void oeffnenLetzteClicked();
    void HilfeClicked();
    void speichernClicked();
    void speichernunterClicked();
    void materialeigenschaftenClicked();
    void projektangabenClicked();
    void processOutput();
    void update_graph_M_V();
    void update_graph_s(QCustomPlot *sigmaPlot, QCustomPlot *epsPlot, int limitState, int withTs);
    void update_plot();
    void update_txt_t();
    void update_txt(QVBoxLayout *layout, int limitState, int withTs);
    void update_Item_M_V(double mEd, double vEd);
    void update_protokoll();
    void baustahlProfilname();
    void clearLayout(QLayout *layout, bool deleteWidgets);
    bool oeffnen(std::string dateiName);
    bool speichern(QString pfad, int i);
    void set_img_baus();
    void set_img_bewe();
    void set_img_bet();
    void set_img_geo_bet();
    void set_img_geo_bau();
    void set_Enabled();
    void set_s_s();
    void set_geo_bau();
    void set_materialeigenschaften();
    void profilSuchenClicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Construction (mainwindow.cpp): the menus and the tool bar of
    // window/window_actions.h, each action wired to its slot.
    void createMenus();
    QWidget *buildEingabeTab();
    QWidget *buildRechteSpalte();
    void registerEingabeFelder();

    // Section preview of the input tab (mainwindow_preview.cpp)
    void connectSectionPreview();

    // Input rows (mainwindow_form.cpp); a field is named by the identifier of
    // its value in the design model's field table (design::fields()).
    NumberEdit *newField(const char *name, int width = 0, int height = 0);
    void addSymbol(QHBoxLayout *row, const QString &main, const QString &index);
    void addUnit(QHBoxLayout *row, const QString &unit);
    QLayout *buildBetonRow();
    QLayout *buildBewehrungRow();
    QLayout *buildBaustahlRow();
    QWidget *buildGeometriePanel();
    QLayout *buildGebrauchstauglichkeitArea();
    QLayout *buildTragfaehigkeitRow();
    QWidget *schnittgroessenBild();

    // Result tabs (filled by the results side)
    QWidget *buildGebrauchstauglichkeitTab();
    QWidget *buildTragfaehigkeitTab();

    // The form as the design model, saving and opening (mainwindow_input.cpp)
    design::Design formDesign() const;
    void showDesign(const design::Design &design);
    designfile::Choices dateiAuswahlen() const;
    QString eingabeDateiText() const;
    void waehleEintrag(QComboBox *auswahl, const std::string &text);

    // The design file as a document (mainwindow_documents.cpp)
    bool confirmUnsavedChanges();
    bool speichereDokument(bool neuerName);
    bool oeffneDokument(const QString &pfad);
    QString dateiWaehlen(filedialogs::Mode modus);
    QString formStand() const;
    void formGeaendert();
    // The form is the document `datei` holds (empty: a new design).
    void merkeGespeichert(const QString &datei);
    void fuelleZuletztMenu();
    // The design "Neu" and the start show (files/design_choices.h).
    void zeigeNeuenEntwurf();

    // Tooltips and range marks of the input fields (mainwindow_guide.cpp)
    void installInputGuide();

    // Profile search (mainwindow_search.cpp): the dialog's profile into the
    // form, and its report note for a run of exactly that form.
    void profilUebernehmen(const QString &profil, const QString &hinweis);
    void profilsucheVermerken();

    // Engine run and results refresh (mainwindow_engine.cpp). Without the
    // range check the engine reports values outside their ranges (tests).
    void startCalculation(bool checkRanges);
    void startEngine();
    void engineStopped(QProcess *process);
    // The start button and the start action are disabled while an engine runs.
    void setStartEnabled(bool enabled);
    void refreshResults();
    // "Datei → Projektangaben…" once before the first report of a design
    // without a project head (mainwindow_documents.cpp).
    void offerProjectHeadOnce();
    // The minimum-reinforcement check under the serviceability plots.
    void updateMinimumPanel();
    // The engine's warnings of the run, shown once its results are shown.
    void showPendingWarnings();

    void showCritical(const QString &title, const QString &text);
    void showWarning(const QString &title, const QString &text);
    void showInformation(const QString &title, const QString &text);
    void logMessage(const QString &title, const QString &text);

    // Material row
    QComboBox *m_betonForce = nullptr;
    NumberEdit *m_betonGamma = nullptr;
    NumberEdit *m_betonAlpha = nullptr;
    QCheckBox *m_betonBruchdehnung = nullptr;
    NumberEdit *m_bewehrungForce = nullptr;
    NumberEdit *m_bewehrungGamma = nullptr;
    QComboBox *m_bewehrungKlasse = nullptr;
    QCheckBox *m_bewehrungVerfestigung = nullptr;
    NumberEdit *m_baustahlForce = nullptr;
    NumberEdit *m_baustahlGamma = nullptr;

    // Geometry panel
    NumberEdit *m_betonHoeheC = nullptr;
    NumberEdit *m_betonHoeheP = nullptr;
    NumberEdit *m_betonBreiteE = nullptr;
    NumberEdit *m_betonBreiteP = nullptr;
    NumberEdit *m_bewehrungDU = nullptr;
    NumberEdit *m_bewehrungDO = nullptr;
    NumberEdit *m_bewehrungAbstandUnten = nullptr;
    NumberEdit *m_bewehrungAbstandOben = nullptr;
    NumberEdit *m_bewehrungCnormU = nullptr;
    NumberEdit *m_bewehrungCnormO = nullptr;
    QComboBox *m_baustahlProfiltyp = nullptr;
    QComboBox *m_baustahlProfilname = nullptr;
    NumberEdit *m_baustahlHoehe = nullptr;
    NumberEdit *m_baustahlTfu = nullptr;
    NumberEdit *m_baustahlTfo = nullptr;
    NumberEdit *m_baustahlBfu = nullptr;
    NumberEdit *m_baustahlBfc = nullptr;
    NumberEdit *m_baustahlTw = nullptr;

    // Actions and minimum reinforcement
    NumberEdit *m_momen_g = nullptr;
    NumberEdit *m_querkraft_g = nullptr;
    NumberEdit *m_k_c = nullptr;
    NumberEdit *m_k = nullptr;
    NumberEdit *m_s_s = nullptr;
    NumberEdit *m_momen_t = nullptr;
    NumberEdit *m_querkraft_t = nullptr;

    // The numeric fields in the order of the design model's field table.
    QList<NumberEdit *> m_eingabeFelder;
    QHash<NumberEdit *, QString> m_feldNamen;

    // Engine run and documents
    QProcess *m_process = nullptr;
    QPushButton *m_startButton = nullptr;  // disabled while an engine runs
    ShearConnectorGroup *m_verbundmittel = nullptr;  // the studs of a partial connection
    std::string m_runFolder;
    QString m_runFolderPath;
    DesignDocument m_document;  // the design file of the form (window/design_document.h)
    WindowActions *m_actions = nullptr;
    FollowingFields *m_following = nullptr;  // σ_s follows f_sk (window/following_fields.h)
    unsavedchanges::Prompt m_unsavedPrompt;  // empty: the dialog (quiet: discard)
    filedialogs::Chooser m_fileChooser;      // empty: the file dialog
    InputGuide *m_guide = nullptr;
    // The run whose results are shown, its design file and input, and the
    // status bar's line about it (window/shown_run.h, window/run_status.h).
    ShownRun m_shownRun;
    RunStatus *m_runStatus = nullptr;
    // The form as a profile from the search left it, and the report's note.
    QString m_profilsucheStand;
    QString m_profilsucheHinweis;

    // Input tab
    QTextEdit *m_konsole = nullptr;
    QLabel *m_infoTitel = nullptr;  // the title of the information panel shown
    QGroupBox *m_infoBox = nullptr;
    QVBoxLayout *m_infoLayout = nullptr;
    MyGraphicsView *m_querschnittView = nullptr;
    QGraphicsScene *m_querschnittScene = nullptr;
    MyGraphicsView *m_plotView = nullptr;
    QGraphicsScene *m_plotScene = nullptr;
    int m_abstand = 0;      // spacing between input groups [px]
    int m_feldBreite = 0;   // width of the short numeric fields [px]

    // Information panels
    QString m_E_s;
    QString m_E_a;
    QList<QTableWidgetItem *> m_zellenBeton;
    QList<QTableWidgetItem *> m_zellenBewehrung;

    // Results side
    QCustomPlot *m_plotSpannungGzgOhneTs = nullptr;
    QCustomPlot *m_plotDehnungGzgOhneTs = nullptr;
    QCustomPlot *m_plotSpannungGzgMitTs = nullptr;
    QCustomPlot *m_plotDehnungGzgMitTs = nullptr;
    QCustomPlot *m_plotSpannungGzt = nullptr;
    QCustomPlot *m_plotDehnungGzt = nullptr;
    QCustomPlot *m_plotMV = nullptr;
    MomentCurvaturePlot *m_plotMomentKruemmung = nullptr;
    QVBoxLayout *m_textGzgOhneTs = nullptr;
    QVBoxLayout *m_textGzgMitTs = nullptr;
    QVBoxLayout *m_textGzt = nullptr;
    QVBoxLayout *m_textNachweis = nullptr;
    QVBoxLayout *m_textMindestbewehrung = nullptr;
    QStringList m_pendingWarnings;  // engine warnings of the running calculation
    // The project head of the design: not on the form, kept with it in the file.
    design::ProjectHead m_projektangaben;
    design::ProjectHead m_gespeicherteProjektangaben;  // as last opened or saved
    bool m_projektangabenAngeboten = false;  // offered before a report of this document
    projecthead::Editor m_projectHeadEditor;  // empty: the dialog (quiet: not shown)
    QTextEdit *m_protokoll = nullptr;
    StateSummary m_zustandGzgOhneTs;
    StateSummary m_zustandGzgMitTs;
    StateSummary m_zustandGzt;
    double m_mvSummeV = 0.0;
    double m_mvSummeM = 0.0;

    static bool s_quietMessages;
    QStringList m_messageLog;
    QStringList m_messageTitles;

    friend class MainWindowProbe;  // test access (tests/frontend/support)
};
