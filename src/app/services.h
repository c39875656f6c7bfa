#pragma once

class Asker;
class AudioInput;
class Beeper;
class Clipboard;
class Clock;
class OneShotTimer;
class Pause;
class SettingsStore;
class SpeechSynthesizer;
class UrlLauncher;
class VoicePlayer;

// The platform services the main window works with, passed in at
// construction so that tests can replace each of them.
struct Services {
    SettingsStore& store;
    VoicePlayer& voice;
    Pause& pause;
    Beeper& beeper;
    Clipboard& clipboard;
    UrlLauncher& launcher;
    Clock& clock;
    Asker& asker;
    AudioInput& microphone;
    SpeechSynthesizer& synthesizer; // sentences in sentence mode
    OneShotTimer& speechTimer;      // the pace of a sentence's pieces
};
