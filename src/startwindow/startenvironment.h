#pragma once

#include "datafolders.h"
#include "languagecatalog.h"
#include "mediaplayer.h"

#include <QCoreApplication>
#include <functional>

// What the start window takes from the machine. The defaults are the program's; tests replace them.
struct StartEnvironment
{
    // The three folders: the running program's.
    std::function<DataFolders()> folders = [] { return DataFolders::forRunningProgram(); };
    // Whether the system's language is French, for a start without a stored language.
    std::function<bool()> systemIsFrench = [] { return LanguageCatalog::systemLanguageIsFrench(); };
    // Ends the event loop once the current event has been handled.
    std::function<void()> endProgram = [] { QCoreApplication::exit(0); };
    // The two media players and the audio system.
    std::function<SoundDevices()> soundDevices = [] { return SoundDevices::forThisMachine(); };
};
