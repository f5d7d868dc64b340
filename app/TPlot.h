#pragma once
// The application object: the file named on the command line, the single-instance step,
// and the frame.
#include "app/TPlotFrame.h"

#include <memory>
#include <string>

namespace korvane {

class GraphWindowFactory;
class RandomGenerator;

namespace platform {
class Platform;
}

// The command-line argument as StartFile: made absolute, since a running instance that
// receives it has a working folder of its own; a one-character name (which only raises
// the running frame) stays as it is.
std::string StartFileFrom(const std::string& argument);

class TPlot {
public:
    TPlot(platform::Platform& platform, GraphWindowFactory& factory, RandomGenerator& random,
          std::string startFile);
    ~TPlot();

    const std::string& StartFile() const { return startFile_; }

    // Hands StartFile to a running instance and gives false; otherwise becomes the running
    // instance, makes the frame and shows it, and gives true.
    bool Start(TPlotFrame::OpenObserver observer = {});
    // Start, then the message loop; the exit code.
    int Run(TPlotFrame::OpenObserver observer = {});

    TPlotFrame* Frame() { return frame_.get(); }

private:
    platform::Platform& platform_;
    GraphWindowFactory& factory_;
    RandomGenerator& random_;
    std::string startFile_;
    std::unique_ptr<TPlotFrame> frame_;
};

} // namespace korvane
