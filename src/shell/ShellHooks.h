// ShellHooks: what the main window asks of the services (about box, links, update check); wired at start-up.
#pragma once

#include <functional>

class QWidget;

struct ShellHooks {
    // The update check; report = tell the learner when there is nothing new.
    std::function<void(bool report)> checkForUpdate;
    std::function<void(bool report)> checkLocalVersionFile;
    // The about box, shown modally over owner.
    std::function<void(QWidget* owner)> showAbout;
    // Unloads the about box if it is loaded.
    std::function<void()> unloadAbout;
    // Opens the maker's social-media page.
    std::function<void(QWidget* owner)> openSocialPage;
};

// The program's hooks; empty members do nothing.
ShellHooks& shellHooks();
