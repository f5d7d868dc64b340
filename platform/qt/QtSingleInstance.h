#pragma once
// The single running instance over a local socket named after the user and the settings
// folder. A later start connects, sends its path and waits for the running one to say it
// has it; the running one hands each path to its callback on the message loop.
#include "platform/Platform.h"

#include <QPointer>

#include <functional>
#include <string>

class QLocalServer;
class QLocalSocket;

namespace korvane::platform {

class QtSingleInstance {
public:
    explicit QtSingleInstance(std::string name) : name_(std::move(name)) {}
    ~QtSingleInstance();
    QtSingleInstance(const QtSingleInstance&) = delete;
    QtSingleInstance& operator=(const QtSingleInstance&) = delete;

    // `deliver` runs each handed-over path; it is called from the message loop.
    InstanceRole Claim(const std::string& path, std::function<void(const std::string&)> deliver);

private:
    enum class HandOver { Delivered, NoServer, NoAnswer };

    HandOver TryHandOver(const std::string& path);
    bool Listen();
    void Accept(QLocalSocket* socket);

    std::string name_;
    QPointer<QLocalServer> server_;
    std::function<void(const std::string&)> deliver_;
};

} // namespace korvane::platform
