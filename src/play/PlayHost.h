#pragma once

#include <QString>

#include <functional>

// What the play window needs from the console while a pass runs. A pass is a plain call on
// the user-interface thread that lets messages run between lines and inside its waits, so
// the values here are read afresh each time they are needed: the keys change the speed
// between lines, and the console's timers run inside the waits. The main window implements
// it; tests use a fake.
class PlayHost {
public:
    virtual ~PlayHost() = default;

    // The pace: Delay, the wait units after each pixel row, read at every row. The keys and the
    // play window's speed bar change it.
    virtual int delay() const = 0;
    virtual void setDelay(int delay) = 0;
    // 1, or 10 while "Slower x10" is on.
    virtual int delayFactor() const = 0;
    // The play window's "x10" box changed: the console's box follows, with its factor.
    virtual void setSlowerX10(bool on) = 0;
    // The play has ended: the console's delay bar and label show Delay as the play left it
    // (keys change Delay without moving a bar).
    virtual void handBackSpeed() = 0;

    // The timed wait: that many one-second ticks, letting messages run.
    virtual void waitSeconds(int seconds) = 0;
    // Holds the colour bars for the colour-bar time, letting messages run; the hold ends
    // early as soon as `showing` answers false (the operator has left the play).
    virtual void holdColorBars(const std::function<bool()> &showing) = 0;

    // The script: the editor's display lines, counted before each pass.
    virtual int lineCount() const = 0;
    virtual QString line(int index) const = 0;

    // A calibration pass measured its one line.
    virtual void readingTimeMeasured(double elapsedMs) = 0;

    // Media: the armed players start before the pre-roll; the video can start with the text.
    virtual void startArmedMedia() = 0;
    virtual void startVideoWithText() = 0;

    // Fade titles. They refuse to run while the AVI player is showing, and on a background
    // that is not black: backgroundIsBlack answers that, and enables the console's
    // "Fade Titles ..." item exactly when it is black.
    virtual bool videoShowing() const = 0;
    virtual bool backgroundIsBlack() = 0;
    // A title placed automatically (centred, lower third) keeps its position as the output
    // rectangle's left and top.
    virtual void setTitlePosition(int left, int top) = 0;
    // The fade pass's media point at the text: with the video armed to start with the text,
    // the wave/MIDI player is shown and started.
    virtual void startSoundWithTitles() = 0;

    // Settings a pass changes: a one-bit strip plays white on black, and the panel's
    // font-size bar sets the editor's size (the console's font-size bar follows).
    virtual void setPlayColors(int textColor, int backgroundColor) = 0;
    virtual void applyEditorFontSize(int points) = 0;

    // The play window has closed: the media stop and rewind, the colour-bar hold and Loop
    // Mode end, and the console is shown.
    virtual void playClosed() = 0;
    // The play window is being destroyed: nothing may read its picture from now on.
    virtual void playWindowGoing() = 0;
    // Called once when the play window is created: plays a script given on the command
    // line, if there is one.
    virtual void runStartUpPlay() = 0;
};
