#pragma once

#include <string>
#include <vector>

#include "files/fileerror.h"
#include "files/finalstate.h"
#include "files/readingsfile.h"
#include "files/trajectory.h"
#include "model/particles.h"
#include "model/project.h"

namespace zentova {

// A final state that cannot continue this project (another particle count or other
// types); mismatch() says how it differs.
class ForeignFinalState : public FileError {
  public:
    ForeignFinalState(const std::string& path, const std::string& mismatch)
        : FileError(path, 0, mismatch + "; it belongs to another project"), m_mismatch(mismatch) {}
    const std::string& mismatch() const { return m_mismatch; }

  private:
    std::string m_mismatch;
};

// What an append found before its first step.
struct AppendStart {
    bool fromFinalState = false;  // false: there was no final state to continue from
    double finalStateTime = 0.0;
    AppendCut cut;               // what went from the end of the trajectory
    bool restoredFrame = false;  // the final state's frame was missing and was added
    std::string readingsNote;    // what the readings file lacked, and what became of it
};

// What an append changed in the trajectory, a clause each ("the frame cut short at line 43
// was left out", ...); none when nothing changed.
std::vector<std::string> appendCutParts(const AppendStart& start);
// The same clauses in one line, joined by "; ".
std::string describeAppendCut(const AppendStart& start);

// The files of one calculation, prepared the same way for the window and the command line
// before the first step: the trajectory held by this run alone from the start (a second
// calculation of the project is refused, nothing changed), the remains of killed final-state
// writes cleared, and the trajectory emptied for a new run or cut back to what an append
// can continue.
class RunPlan {
  public:
    explicit RunPlan(const std::string& baseName);

    const std::string& trajectoryPath() const { return m_trajectoryPath; }
    const std::string& finalStatePath() const { return m_finalStatePath; }

    // Takes the trajectory for this run, creating it when missing, clears the temporary
    // files that killed writes of the final state and the readings left (while the
    // trajectory is held no other process writes them), and proves that the final state can
    // be written. Changes nothing else. Throws TrajectoryBusy when another calculation holds
    // the trajectory, FileError when it cannot be opened (a link or not a regular file) or
    // the final state cannot be written; a trajectory claim() made then goes again.
    void claim();
    // What the user is told once when the trajectory could not be locked; empty otherwise.
    std::string lockNote() const;
    // True when the trajectory was there before claim() (the window then asks whether to
    // overwrite it or append to it).
    bool trajectoryExisted() const { return !m_trajectory.created(); }

    // A run placed anew: empties the trajectory, and the readings file to its header (a
    // readings file that cannot be written only leaves readings().problem()). Throws
    // FileError.
    void startAnew(const Project& project);

    // An append: loads the final state into `particles` when there is one (a missing one is
    // refused when `requireFinalState`, otherwise the particles stay as they are, their time
    // brought up to the trajectory's last frame), then cuts from the trajectory a frame cut
    // short at its end, and adds the final state's frame when a run that ended between
    // writing the two files kept it from the trajectory. Throws ForeignFinalState,
    // FinalStateBehind when the trajectory goes on past the final state, or FileError for a
    // damaged file; each time both files stay as they were. The readings file is then
    // brought in line with the trajectory (see ReadingsWriter::startAppend).
    AppendStart startAppend(const Project& project, ParticleState& particles,
                            bool requireFinalState);

    TrajectoryWriter& trajectory() { return m_trajectory; }
    // The run's readings, a line per frame, beside the trajectory.
    ReadingsWriter& readings() { return m_readings; }
    const std::string& readingsPath() const { return m_readingsPath; }

    // Gives up the run before its first step: a trajectory that claim() created goes again.
    void abandon() { m_trajectory.abandon(); }

  private:
    std::string m_trajectoryPath;
    std::string m_finalStatePath;
    std::string m_readingsPath;
    TrajectoryWriter m_trajectory;
    ReadingsWriter m_readings;
};

}  // namespace zentova
