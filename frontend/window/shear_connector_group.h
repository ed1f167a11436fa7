#pragma once
// The group "Verbundmittel (Kopfbolzendübel)" of the input side: the check
// box "Teilverdübelung berücksichtigen", the studs' number fields (named by
// the design model's field table, so that the window binds, checks and
// explains them like every other field), the selector of the ribs and a
// sketch of a stud in a rib. Fields and selector take input only while the
// box is checked; a design without the box has no *Verbundmittel: line.
#include <QGroupBox>
#include <string>

class QCheckBox;
class QComboBox;

class ShearConnectorGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit ShearConnectorGroup(QWidget *parent = nullptr);

    bool partialConnection() const;
    void setPartialConnection(bool on);
    // "keine", "quer" or "parallel".
    std::string ribs() const;
    void setRibs(const std::string &word);

    QCheckBox *checkBox() const { return m_check; }
    QComboBox *ribSelector() const { return m_ribs; }

signals:
    // The box or the ribs changed (the fields report their own edits).
    void changed();

private:
    void enableFields();

    QCheckBox *m_check = nullptr;
    QComboBox *m_ribs = nullptr;
};
