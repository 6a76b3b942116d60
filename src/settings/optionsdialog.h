#pragma once

#include "widgets/formdialog.h"

#include <QStringList>

class QCheckBox;
class QLabel;

namespace kirveno {

class ArrowField;
class BoardWindow;
class StoredTextField;

// The business settings of ayar.dat's first five lines: name, table count, hourly price,
// minimum charge and sound. The board reads them only at start-up, so a confirmed change is
// saved and the program starts anew.
class OptionsDialog : public FormDialog
{
    Q_OBJECT
public:
    OptionsDialog(ProgramState &state, BoardWindow &board);

    // Shows the settings as ayar.dat holds them now; nothing opens when it cannot be read.
    void ask();

    StoredTextField *nameField() const { return m_name; }
    ArrowField *tableArrows() const { return m_tables; }
    ArrowField *priceWholeArrows() const { return m_priceWhole; }
    ArrowField *priceHundredthsArrows() const { return m_priceHundredths; }
    ArrowField *minimumWholeArrows() const { return m_minimumWhole; }
    ArrowField *minimumHundredthsArrows() const { return m_minimumHundredths; }
    QCheckBox *soundBox() const { return m_sound; }
    QLabel *soundPicture() const { return m_soundPicture; }

    void accept() override;

private:
    // Lines 0-4 as the fields hold them.
    QStringList editedLines() const;
    void showSoundPicture(bool on);

    BoardWindow &m_board;
    StoredTextField *m_name;
    ArrowField *m_tables;
    ArrowField *m_priceWhole;
    ArrowField *m_priceHundredths;
    ArrowField *m_minimumWhole;
    ArrowField *m_minimumHundredths;
    QCheckBox *m_sound;
    QLabel *m_soundPicture;
    QStringList m_shownLines; // lines 0-4 as they were when the window was shown
};

} // namespace kirveno
