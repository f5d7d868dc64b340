#pragma once
// A graph window as the frame sees it: the frame owns it, shows it once, forgets it after
// the user has closed it, and destroys it when the program ends (a window writes its
// settings file as it goes).
namespace korvane {

class OwnedWindow {
public:
    virtual ~OwnedWindow() = default;

    virtual void Show() = 0;
    virtual bool IsClosed() const = 0;
    // Asked before the program ends; false keeps the program running (unsaved work).
    virtual bool CanClose() { return true; }
};

} // namespace korvane
