#pragma once

#include <QList>
#include <QPointF>

#include <functional>

// The speed of a play that follows the reader's voice. Positions are in pixel rows (how far
// the text has moved), speeds in rows a second, times in seconds of one clock.
//
// A reader reading on is followed like a car on cruise control: the speed is the reader's
// pace (words a second, from the times of the words heard over the last minute spoken) times
// the rows a word takes over a screenful of text, and it changes slowly and rarely, so that
// the picture's pace stays even. The text may stand off the reader's place by up to a line and
// a quarter (or two and a half seconds of reading) without the speed changing: within that band
// the speed is held where it was last set, until the reader's speed has moved a few hundredths
// from it; beyond the band for a few seconds it leans towards the place, by a few hundredths of
// the speed, until it is back near it, and then goes on at the speed it held. Far off (the
// reader skipped a paragraph) it catches up within seconds.
// The reader's place is the middle one of the places the last seconds of words heard tell, each
// run on at the reader's pace, so a few words misplaced for a moment do not move it; while the
// voice is heard it runs on, so the text does not stop and go between words or while the
// recogniser is late; when the reader pauses, the text comes to rest at or short of the last
// word heard. Before the first word the text moves the first line to the reading line and
// waits there, and moves on at a guessed pace as the voice starts; over the first seconds
// heard the speed and the place are found quickly (the reader began at the reading line as
// the voice began, so the first word heard tells the pace).
//
// The speed changes at most every tenth of a second and by at most a tenth of itself (or of
// half the reader's speed, when that is larger: a standing text can start), so it never
// jumps. A pause brakes evenly, by a tenth of the speed it found, and stands at the last step.
// What the sound input tells now: whether the voice detector hears speech, seconds of the
// sound since it last did, and since the input was last louder than the room.
struct Hearing {
    bool speaking = false;
    double silentFor = 0.0;
    double quietFor = 0.0;
};

struct SteeringInput {
    double now = 0.0;
    double position = 0.0;   // where the text stands
    double lineHeight = 1.0; // rows of a line
    // Words count by their length, as words of the script's average length: a long word takes
    // longer to say and more of its line.
    double rowsPerWord = 1.0; // rows of text per word over a screenful around the place heard
    double firstTarget = 0.0; // the position at which the first word is at the reading line
    // How far along the script, in words, the reader starts: where the word at the reading line
    // begins as the play starts (-1: not known, the operator handed the speed back mid-script).
    double startAlong = -1.0;
    bool heard = false;       // a word of the script has been heard
    double heardAlong = 0.0;  // how far along the script, in words, the word heard last ends
    double heardTarget = 0.0; // the position at which that word is at the reading line
    double heardAt = 0.0;     // when it ended
    // The position at which the place `along` words into the script is at the reading line.
    std::function<double(double along)> targetAt;
    Hearing hearing;
};

class VoiceSteering {
public:
    // startSpeed: the speed the text moves at when the voice takes it.
    VoiceSteering(double now, double startSpeed);

    // The speed to move at now; 0 holds the text still.
    double steer(const SteeringInput &in);

private:
    // A new word heard, and the reader's pace (words a second) over the words heard.
    void heard(double at, double along, double startAlong);
    double paceOfWordsHeard() const;
    // The speed a steady reader is followed at, rows a second.
    double cruise(const SteeringInput &in);
    // How far along the script the reader is now, in words, from the words heard; and, worked
    // out once a word, how far along it would have been at the time spoken 0 at the pace heard.
    double placeAlong(const SteeringInput &in) const;
    double placeAtZero() const;
    // Where the reader is now: the place heard, run on at the reader's speed.
    double place(const SteeringInput &in, double readerSpeed);
    // The speed wanted while the reader reads on; `finding`: the first seconds heard.
    double readingSpeed(const SteeringInput &in, double readerSpeed, bool finding);

    double m_speed;
    double m_nextChange;
    double m_askedAt; // when steer() was last called
    bool m_paused = false;
    double m_pausedSince = 0.0;
    double m_pauseSpeed = 0.0;     // the speed when the reader's pause began
    double m_pace = -1.0;          // words a second, from the words heard (-1: none heard yet)
    double m_placeAtZero = 0.0;    // see placeAtZero()
    QList<QPointF> m_words;        // (when, how far along) each word heard, the last minute
    double m_spoken = 0.0;         // seconds the reader has spoken (pauses left out)
    double m_spokenAt = -1.0;      // when m_spoken was counted
    double m_firstHeardAt = -1.0;  // on the clock of the time spoken
    double m_voiceAt = -1.0;       // when the voice began, before the first word (-1: it has not)
    double m_firstHeardNow = -1.0; // when the first word was heard
    double m_cruise = -1.0;        // rows a second (-1: not yet known)
    double m_cruiseAt = 0.0;
    double m_place = 0.0; // the place heard, as followed
    double m_placeAt = -1.0;
    double m_error = 0.0; // the place less the position, smoothed
    bool m_leaning = false;
    double m_beyondSince = -1.0; // since when the place has stood beyond the band (-1: it has not)
    bool m_finding = false;      // the last step was finding the pace
    double m_held = -1.0;        // the speed held within the band (-1: none yet)
    double m_farSince = -1.0;    // since when the text has been far off (-1: it is not)
    bool m_quick = false;        // going to a speed far off, at the quick pace
};
