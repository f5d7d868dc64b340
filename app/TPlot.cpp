#include "app/TPlot.h"

#include "platform/Platform.h"

#include <filesystem>
#include <system_error>

namespace korvane {

std::string StartFileFrom(const std::string& argument) {
    if (argument.size() <= 1)
        return argument;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(argument, error);
    return error ? argument : absolute.lexically_normal().string();
}

TPlot::TPlot(platform::Platform& platform, GraphWindowFactory& factory, RandomGenerator& random,
             std::string startFile)
    : platform_(platform), factory_(factory), random_(random), startFile_(std::move(startFile)) {}

TPlot::~TPlot() = default;

bool TPlot::Start(TPlotFrame::OpenObserver observer) {
    const platform::InstanceRole role = platform_.ClaimInstance(startFile_, [this](const std::string& path) {
        if (frame_)
            frame_->HandOver(path);
    });
    // When a running instance did not answer, a window of our own is better than none.
    if (role == platform::InstanceRole::HandedOver)
        return false;
    frame_ = std::make_unique<TPlotFrame>(platform_, factory_, random_, startFile_);
    frame_->SetOpenObserver(std::move(observer));
    frame_->SetupWindow();
    frame_->Show();
    return true;
}

int TPlot::Run(TPlotFrame::OpenObserver observer) {
    if (!Start(std::move(observer)))
        return 0;
    return platform_.Run();
}

} // namespace korvane
