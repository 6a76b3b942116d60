#pragma once

namespace kirveno {

class BoardWindow;
struct ProgramState;

// Backup and restore from the board's menu: ayar.dat, aylik.dat and borc.dat packed into one
// archive file and unpacked from one. They have no window of their own: the operator sees the
// file dialog and the questions.
class ArchiveCommands
{
public:
    ArchiveCommands(ProgramState &state, BoardWindow &board);

    // Writes the three files into an archive the operator names, after asking.
    void backUp();
    // Writes the three files from an archive the operator chooses, then offers to restart.
    void restore();

private:
    ProgramState &m_state;
    BoardWindow &m_board;
};

} // namespace kirveno
