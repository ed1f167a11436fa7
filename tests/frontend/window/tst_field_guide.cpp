// Input guidance: every permitted range of the engine's table is shown in its
// field's tooltip and enforced alike by the form (marked while typing) and by
// the engine (its validation message); the profile selector offers only
// profiles the engine accepts.
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>
#include <cmath>
#include <memory>

#include "files/profile_table.h"
#include "io/validation_bounds.h"
#include "support/form_driver.h"
#include "support/window_probe.h"
#include "widgets/numberedit.h"
#include "window/field_guide.h"
#include "window/mainwindow.h"

using namespace formdriver;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// Input-file symbol -> the field and the symbol the form shows beside it.
struct FieldOf {
    const char *name;
    const char *field;
    const char *symbol;
};
const FieldOf fieldsOfRanges[] = {
    {"gamma_c", "m_betonGamma", "γ_c"},
    {"alpha_c", "m_betonAlpha", "f_cd,RedFak"},
    {"f_sk", "m_bewehrungForce", "f_sk"},
    {"gamma_s", "m_bewehrungGamma", "γ_s"},
    {"f_yk", "m_baustahlForce", "f_yk"},
    {"gamma_M", "m_baustahlGamma", "γ_M"},
    {"h_c", "m_betonHoeheC", "h_c"},
    {"b_e", "m_betonBreiteE", "b_e"},
    {"h_profilblech", "m_betonHoeheP", "h_p"},
    {"b_p", "m_betonBreiteP", "b_p"},
    {"d_u", "m_bewehrungDU", "d_u"},
    {"d_o", "m_bewehrungDO", "d_o"},
    {"AbstanduntereLage", "m_bewehrungAbstandUnten", "e_u"},
    {"AbstandobereLage", "m_bewehrungAbstandOben", "e_o"},
    {"c_nom_u", "m_bewehrungCnormU", "c_nom,u"},
    {"c_nom_o", "m_bewehrungCnormO", "c_nom,o"},
    {"h", "m_baustahlHoehe", "h"},
    {"t_f1", "m_baustahlTfu", "t_fu"},
    {"t_f2", "m_baustahlTfo", "t_fo"},
    {"b_f1", "m_baustahlBfu", "b_fu"},
    {"b_f2", "m_baustahlBfc", "b_fo"},
    {"t_w", "m_baustahlTw", "t_w"},
    {"k", "m_k", "k"},
    {"k_c", "m_k_c", "k_c"},
    {"s_s", "m_s_s", "σ_s"},
    {"d", "m_duebelD", "d"},
    {"h_sc", "m_duebelHoehe", "h_sc"},
    {"f_u", "m_duebelFu", "f_u"},
    {"n", "m_duebelAnzahl", "n"},
    {"L_e", "m_duebelLe", "L_e"},
    {"n_r", "m_duebelJeRippe", "n_r"},
    {"t_blech", "m_duebelBlech", "t"},
};

const FieldOf *fieldOf(const char *name) {
    for (const FieldOf &f : fieldsOfRanges)
        if (QLatin1String(f.name) == QLatin1String(name)) return &f;
    return nullptr;
}

// The expressions of the ends set by other values, in the form's symbols.
QString shownExpression(const char *expression) {
    const QMap<QString, QString> shown = {
        {"h_profilblech + c_nom_u + d_u + d_o + c_nom_o", "h_p + c_nom,u + d_u + d_o + c_nom,o"},
        {"h_c", "h_c"}, {"b_f2", "b_fo"}, {"d_u", "d_u"}, {"d_o", "d_o"}, {"b_e", "b_e"},
        {"t_f1 + t_f2 + 2 r", "t_fu + t_fo + 2 r"}, {"t_w", "t_w"}, {"3 d", "3 d"}};
    return shown.value(QString::fromLatin1(expression), "?");
}

// The example design with a welded section of IPE400's plates, so that every
// steel dimension can be typed: values by input-file symbol.
const QMap<QString, double> base = {
    {"gamma_c", 1.5}, {"alpha_c", 0.85}, {"f_sk", 500}, {"gamma_s", 1.15}, {"f_yk", 355}, {"gamma_M", 1},
    {"h_c", 160}, {"b_e", 2000}, {"h_profilblech", 0}, {"b_p", 0}, {"d_u", 10}, {"d_o", 12},
    {"AbstanduntereLage", 150}, {"AbstandobereLage", 150}, {"c_nom_u", 30}, {"c_nom_o", 30},
    {"h", 400}, {"t_f1", 13.5}, {"t_f2", 13.5}, {"b_f1", 180}, {"b_f2", 180}, {"t_w", 8.6}, {"r", 0},
    {"k", 0.8}, {"k_c", 0.4}, {"s_s", 320},
    {"d", 19}, {"h_sc", 100}, {"f_u", 450}, {"n", 18}, {"L_e", 8000}, {"n_r", 1}, {"t_blech", 0}};

QString baseDesign() {
    QString text = withLine(exampleInputText(), "*Baustahl-Typ:", "*Baustahl-Typ:\t\t\tSchweissprofil\t");
    text = withLine(text, "*Geometrie-Baustahl:", "*Geometrie-Baustahl:\t\t400\t13.5\t13.5\t180\t180\t8.6");
    return text + "*Verbundmittel:\t\t19\t100\t450\t18\t8000\tkeine\t1\t0\n";  // the studs' ranges apply
}

// An end set by other values, worked out here from the base design:
// "h_profilblech + c_nom_u + d_u + d_o + c_nom_o" = 0 + 30 + 10 + 12 + 30 = 82,
// "t_f1 + t_f2 + 2 r" = 13.5 + 13.5 + 0 = 27.
double baseValueOf(const char *expression) {
    double sum = 0;
    for (const QString &term : QString::fromLatin1(expression).split('+')) {
        const QStringList words = term.split(' ', Qt::SkipEmptyParts);
        sum += (words.size() == 2 ? words[0].toDouble() : 1.0) * base.value(words.last());
    }
    return sum;
}

QString numberText(double x) { return QString::number(x, 'g', 12); }

struct EngineRun {
    bool finished = false;
    QString err;
};

// Runs the real engine on the run folder `work`/1/input.txt.
EngineRun runEngine(const QString &work) {
    QProcess engine;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("STALVORA_WORK_DIR", work + "/");
    engine.setProcessEnvironment(env);
    engine.setWorkingDirectory(NORVEL_BUILD_DIR);
    engine.start(NORVEL_BUILD_DIR "/Stalvora2", QStringList());
    EngineRun run;
    run.finished = engine.waitForFinished(120000);
    run.err = QString::fromLatin1(engine.readAllStandardError());
    return run;
}

// The validation messages of the engine's standard error; missing minimum
// reinforcement is reported later, after the checks, and is no validation.
QStringList validationMessages(const QString &err) {
    QStringList messages;
    for (const QString &line : err.split('\n'))
        if (line.contains("FEHLERMELDUNG") && !line.contains("Mindestbewehurng")) messages << line.trimmed();
    return messages;
}

}  // namespace

class FieldGuideTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> temp;
    std::unique_ptr<MainWindow> window;

    MainWindowProbe probe() { return MainWindowProbe(*window); }

    void loadBase() {
        const QString path = temp->filePath("basis.txt");
        QVERIFY(writeText(path, baseDesign()));
        window->clearMessageLog();
        QVERIFY(open(*window, path));
        QVERIFY(window->messageLog().isEmpty());
        for (const FieldOf &f : fieldsOfRanges) {
            double x = 0;
            QVERIFY(NumberEdit::parseNumber(field(*window, f.field)->text(), x));
            QCOMPARE(x, base.value(f.name));
        }
        QVERIFY(probe().guide()->violatedRanges().isEmpty());
    }

private slots:
    // One window for all cases: each case that changes the form loads the
    // base design first.
    void initTestCase() {
        MainWindow::setQuietMessages(true);
        window = std::make_unique<MainWindow>();
    }

    void cleanupTestCase() { window.reset(); }

    void init() {
        temp = std::make_unique<QTemporaryDir>();
        QVERIFY(temp->isValid());
        qputenv("STALVORA_WORK_DIR", temp->filePath("work/").toUtf8());
    }

    void cleanup() { temp.reset(); }

    // Every bound of the shared table appears beside its field's symbol, with
    // the relation its end calls for (≤ included, < excluded).
    void everyBoundAppearsInItsFieldsTooltip_data() {
        QTest::addColumn<int>("index");
        const auto &ranges = bounds::inputRanges();
        for (int i = 0; i < int(ranges.size()); ++i)
            QTest::newRow(qPrintable(QString("%1 %2").arg(i).arg(ranges[i]->name))) << i;
    }

    void everyBoundAppearsInItsFieldsTooltip() {
        QFETCH(int, index);
        const bounds::Range &range = *bounds::inputRanges()[index];
        const FieldOf *f = fieldOf(range.name);
        QVERIFY2(f, range.name);
        const QString tip = field(*window, f->field)->toolTip();
        const QString sym = u(f->symbol);
        QVERIFY2(tip.startsWith(sym + u(" – ")), qPrintable(tip));
        QStringList missing;
        const auto expect = [&](const QStringList &alternatives) {
            for (const QString &a : alternatives)
                if (tip.contains(a)) return;
            missing << alternatives.first();
        };
        const auto n = [](double x) { return QString::number(x, 'g', 6).replace('.', ','); };
        if (std::isfinite(range.lower)) {
            const bool in = range.lowerIncluded;
            expect({n(range.lower) + (in ? u(" ≤ ") : u(" < ")) + sym, sym + (in ? u(" ≥ ") : u(" > ")) + n(range.lower)});
        }
        if (std::isfinite(range.upper))
            expect({sym + (range.upperIncluded ? u(" ≤ ") : u(" < ")) + n(range.upper)});
        if (*range.lowerBy) {
            const bool in = range.lowerByIncluded;
            const QString e = shownExpression(range.lowerBy);
            expect({e + (in ? u(" ≤ ") : u(" < ")) + sym, sym + (in ? u(" ≥ ") : u(" > ")) + e});
        }
        if (*range.upperBy)
            expect({sym + (range.upperByIncluded ? u(" ≤ ") : u(" < ")) + shownExpression(range.upperBy)});
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(" | ") + "\nin:\n" + tip));
    }

    void everyFieldHasMeaningUnitAndRange() {
        const QList<NumberEdit *> fields = window->findChildren<NumberEdit *>();
        QCOMPARE(fields.size(), 36);
        for (NumberEdit *f : fields) {
            const QString tip = f->toolTip();
            QVERIFY2(tip.contains(u("\nEinheit: ")) && tip.contains(u("\nZulässig: ")), qPrintable(f->objectName()));
        }
        QVERIFY(field(*window, "m_momen_g")->toolTip().contains(u("Einheit: kNm")));
        QVERIFY(field(*window, "m_querkraft_t")->toolTip().contains(u("Einheit: kN\n")));
        QVERIFY(field(*window, "m_betonHoeheC")->toolTip().contains(u("Einheit: mm")));
        QVERIFY(field(*window, "m_bewehrungForce")->toolTip().contains(u("Einheit: N/mm²")));
        QVERIFY(field(*window, "m_s_s")->toolTip().contains(u("σ_s folgt f_sk")));
        // The root radius of the height check is explained.
        QVERIFY(field(*window, "m_baustahlHoehe")->toolTip().contains(u("r: Ausrundungsradius")));
    }

    // Cases at each binding end of every range: at the bound (inside when the
    // bound is included), just outside, and just inside an excluded bound.
    void boundsAreEnforcedByBothPrograms_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("inside");
        const auto &ranges = bounds::inputRanges();
        for (int i = 0; i < int(ranges.size()); ++i) {
            const bounds::Range &r = *ranges[i];
            struct End {
                double bound;
                bool included;
                int side;  // -1 lower, +1 upper
            };
            QList<End> ends;
            // The tighter of a fixed end and an end set by other values binds.
            double lower = -INFINITY;
            bool lowerIncluded = true;
            if (std::isfinite(r.lower)) lower = r.lower, lowerIncluded = r.lowerIncluded;
            if (*r.lowerBy && baseValueOf(r.lowerBy) > lower)
                lower = baseValueOf(r.lowerBy), lowerIncluded = r.lowerByIncluded;
            double upper = INFINITY;
            bool upperIncluded = true;
            if (std::isfinite(r.upper)) upper = r.upper, upperIncluded = r.upperIncluded;
            if (*r.upperBy && baseValueOf(r.upperBy) < upper)
                upper = baseValueOf(r.upperBy), upperIncluded = r.upperByIncluded;
            if (std::isfinite(lower)) ends << End{lower, lowerIncluded, -1};
            if (std::isfinite(upper)) ends << End{upper, upperIncluded, +1};
            for (const End &end : ends) {
                const double step = std::max(1e-3, std::abs(end.bound) * 1e-5);
                const QString tag = QString("%1 %2 %3 ").arg(i).arg(r.name).arg(end.side < 0 ? "lower" : "upper");
                QTest::newRow(qPrintable(tag + "at")) << i << numberText(end.bound) << end.included;
                QTest::newRow(qPrintable(tag + "outside")) << i << numberText(end.bound + end.side * step) << false;
                if (!end.included)
                    QTest::newRow(qPrintable(tag + "inside")) << i << numberText(end.bound - end.side * step) << true;
            }
            if (r.whole) QTest::newRow(qPrintable(QString("%1 %2 fraction").arg(i).arg(r.name))) << i << "1.5" << false;
        }
    }

    void boundsAreEnforcedByBothPrograms() {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(bool, inside);
        const bounds::Range *range = bounds::inputRanges()[index];
        loadBase();
        NumberEdit *edit = field(*window, fieldOf(range->name)->field);
        edit->setText(text);

        // The form marks the value at once.
        const QList<const bounds::Range *> violated = probe().guide()->violatedRanges();
        QCOMPARE(violated.contains(range), !inside);
        if (!inside) {
            QCOMPARE(edit->state(), NumberEdit::State::OutOfRange);
            QVERIFY(edit->toolTip().contains(u("⚠ „") + text + u("“ liegt außerhalb; zulässig ist ")));
        }

        // The engine decides the same on the same file.
        const QString work = temp->filePath("lauf");
        QVERIFY(save(*window, work + "/1/", 1));
        const EngineRun run = runEngine(work);
        QVERIFY(run.finished);
        const QStringList messages = validationMessages(run.err);
        if (inside) {
            QVERIFY2(!messages.contains(QString::fromLatin1(range->message)), qPrintable(run.err));
        } else {
            // The engine stops at the first check that fails: the first range
            // the form marks.
            QVERIFY2(!messages.isEmpty(), qPrintable(run.err));
            QCOMPARE(messages.first(), QString::fromLatin1(violated.first()->message));
        }
        if (violated.isEmpty()) QVERIFY2(messages.isEmpty(), qPrintable(run.err));
    }

    // Ranges set by other fields are checked again when those change.
    void marksFollowTypingAndTheFieldsTheyDependOn() {
        loadBase();
        NumberEdit *du = field(*window, "m_bewehrungDU");
        NumberEdit *eu = field(*window, "m_bewehrungAbstandUnten");
        du->clear();
        QTest::keyClicks(du, "200");  // d_u ≤ e_u = 150 no longer holds; d_u < 50 neither
        QCOMPARE(du->state(), NumberEdit::State::OutOfRange);
        QCOMPARE(eu->state(), NumberEdit::State::OutOfRange);
        QCOMPARE(eu->rangeFault(), u("d_u ≤ e_u ≤ b_e"));
        du->clear();  // unknown: the spacing is not blamed for it
        QCOMPARE(du->state(), NumberEdit::State::Empty);
        QCOMPARE(eu->state(), NumberEdit::State::Ok);
        QTest::keyClicks(du, "12");
        QCOMPARE(du->state(), NumberEdit::State::Ok);
        QCOMPARE(eu->state(), NumberEdit::State::Ok);

        // b_p lies below the top flange width b_fo, also of a rolled profile.
        NumberEdit *bp = field(*window, "m_betonBreiteP");
        bp->setText("150");
        QCOMPARE(bp->state(), NumberEdit::State::Ok);
        QComboBox *typ = selector(*window, "m_baustahlProfiltyp");
        QComboBox *name = selector(*window, "m_baustahlProfilname");
        typ->setCurrentText("Walzprofil");
        emit typ->activated(typ->currentIndex());
        name->setCurrentText("IPE200");  // b = 100 mm
        emit name->activated(name->currentIndex());
        QCOMPARE(bp->state(), NumberEdit::State::OutOfRange);
        QCOMPARE(bp->rangeFault(), u("0 ≤ b_p < b_fo"));

        // A rolled section's plates come from its table row; the ranges of
        // welded plates (0 < h < 1000) do not apply to them, as in the engine.
        NumberEdit *h = field(*window, "m_baustahlHoehe");
        name->setCurrentText("HEB1000");
        emit name->activated(name->currentIndex());
        QCOMPARE(h->text(), QString("1000"));
        QCOMPARE(h->state(), NumberEdit::State::Ok);
        typ->setCurrentText(QString::fromUtf8("Schweißprofil"));
        emit typ->activated(typ->currentIndex());
        QCOMPARE(h->state(), NumberEdit::State::OutOfRange);
        QCOMPARE(h->rangeFault(), u("0 < h < 1000 mm"));
        // Welded plates of HEB1000's size: t_fu + t_fo + 2 r = 36 + 36 + 0 = 72 mm.
        h->setText("72");
        QCOMPARE(h->state(), NumberEdit::State::Ok);
        h->setText("71.9");
        QCOMPARE(h->rangeFault(), u("h ≥ t_fu + t_fo + 2 r"));
    }

    // The selector offers every row of the shipped table, HEB1000 and HEM1000 included.
    void selectorOffersEveryUsableRowOfTheTable() {
        QStringList rows;
        for (const QString &line : readText(NORVEL_BUILD_DIR "/IProfile.txt").split('\n')) {
            const QStringList words = line.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
            if (words.size() == 6 && words.first() != "//") rows << words.first();
        }
        QVERIFY(rows.size() >= 90);
        QComboBox *name = selector(*window, "m_baustahlProfilname");
        QStringList offered;
        for (int i = 1; i < name->count(); ++i) offered << name->itemText(i);
        QCOMPARE(name->itemText(0), QString());
        QCOMPARE(offered, rows);
        QVERIFY(offered.contains("HEB1000") && offered.contains("HEM1000"));
    }

    void everyProfileInTheSelectorPassesTheEngine_data() {
        QTest::addColumn<QString>("profile");
        MainWindow built;  // the selector as the window fills it
        QComboBox *name = selector(built, "m_baustahlProfilname");
        for (int i = 1; i < name->count(); ++i) QTest::newRow(qPrintable(name->itemText(i))) << name->itemText(i);
    }

    // Every offered profile is a usable row and passes the engine's checks.
    // The engine checks γ_c last, after the profile row and the geometry:
    // with γ_c = 0 its only message is that of γ_c exactly when everything
    // before has passed, and it stops before calculating.
    void everyProfileInTheSelectorPassesTheEngine() {
        QFETCH(QString, profile);
        profiletable::Dimensions d;
        QVERIFY(profiletable::findProfile(profiletable::tablePath(), profile, d));
        QCOMPARE(bounds::profileRowFault(d.h, d.b, d.t_w, d.t_f, d.r), nullptr);
        QString design = withLine(baseDesign(), "*Baustahl-Typ:", "*Baustahl-Typ:\t\t\tWalzprofil\t" + profile);
        design = withLine(design, "*Eigenschaften-Beton:", "*Eigenschaften-Beton:\t\tC30/37\t0\t0.85\tON");
        const QString work = temp->filePath("profil");
        QVERIFY(QDir().mkpath(work + "/1"));
        QVERIFY(writeText(work + "/1/input.txt", design));
        const EngineRun run = runEngine(work);
        QVERIFY(run.finished);
        QCOMPARE(validationMessages(run.err), QStringList{QString::fromLatin1(bounds::gamma_c.message)});
    }

    // A picture for a person to look at: γ_c out of range with its tooltip.
    void screenshotOfAnInvalidFieldWithItsTooltip() {
        MainWindow shown;
        shown.showNormal();
        shown.resize(1700, 1000);
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        NumberEdit *gamma = field(shown, "m_betonGamma");
        gamma->clear();
        QTest::keyClicks(gamma, "7,5");
        QCOMPARE(gamma->state(), NumberEdit::State::OutOfRange);
        QWidget *tab = shown.findChild<QTabWidget *>()->widget(0);
        const QPoint at = gamma->mapToGlobal(QPoint(gamma->width() / 2, gamma->height() + 4));
        QToolTip::showText(at, gamma->toolTip(), gamma);
        QApplication::processEvents();
        QWidget *tip = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel") && w->isVisible()) tip = w;
        QVERIFY(tip);
        QPixmap picture = tab->grab();
        QPainter painter(&picture);
        painter.drawPixmap(tab->mapFromGlobal(tip->mapToGlobal(QPoint(0, 0))), tip->grab());
        painter.end();
        QVERIFY(QDir(NORVEL_BUILD_DIR).mkpath("screenshots"));
        QVERIFY(picture.save(NORVEL_BUILD_DIR "/screenshots/eingabe_ungueltiges_feld.png"));
        QToolTip::hideText();
    }
};

QTEST_MAIN(FieldGuideTest)
#include "tst_field_guide.moc"
