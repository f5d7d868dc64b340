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
    // Asked of every open window, in turn, before the program ends: the question the
    // window asks when the user closes it alone. false keeps the program and every window
    // running. Each kind must answer it: OwnedGraphWindow does for any graph window.
    virtual bool CanClose() = 0;
};

} // namespace korvane
