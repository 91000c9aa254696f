#pragma once

#include <QList>
#include <QPointF>

// The speed of a play that follows the reader's voice. Positions are in pixel rows (how far
// the text has moved), speeds in rows a second, times in seconds of one clock.
//
// The reader's pace (words a second, from the words heard over the last half minute) sets the
// speed; where the text stands off its place by more than part of a line, the speed leans
// towards it. While the voice is heard, the place runs on from the last word heard at the
// reader's pace for a moment, so that the text does not stop and go between words; when the
// reader pauses, the text comes to rest with the last word heard at the reading line. Before
// the first word the text moves the first line to the reading line and waits there.
//
// The speed changes at most every tenth of a second and by at most a tenth of itself (or of
// the reader's speed, when that is larger: a standing text can start), so it never jumps. A
// pause brakes evenly, by a tenth of the speed it found, and stands at the last step.
struct SteeringInput {
    double now = 0.0;
    double position = 0.0;    // where the text stands
    double lineHeight = 1.0;  // rows of a line
    double rowsPerWord = 1.0; // rows of text per spoken word around the reading line
    double firstTarget = 0.0; // the position at which the first word is at the reading line
    bool heard = false;       // a word of the script has been heard
    int heardWord = 0;        // the script word heard last
    double heardTarget = 0.0; // the position at which that word is at the reading line
    double heardAt = 0.0;     // when it ended
    bool speaking = false;    // the voice is heard now
};

class VoiceSteering {
public:
    // startSpeed: the speed the text moves at when the voice takes it.
    VoiceSteering(double now, double startSpeed);

    // The speed to move at now; 0 holds the text still.
    double steer(const SteeringInput &in);
    double speed() const { return m_speed; }

private:
    // The speed of the place heard, rows a second, and a new place heard.
    double placeSpeed() const;
    void heard(double at, double place, double lineHeight);
    // Where the reader is now: the place heard, run on at the reader's speed.
    double place(const SteeringInput &in, double readerSpeed);

    double m_speed;
    double m_nextChange;
    double m_silentSince = -1.0;
    bool m_paused = false;
    double m_pauseSpeed = 0.0;   // the speed when the reader's pause began
    QList<QPointF> m_places;     // (when, where) of each place heard, the last seconds
    double m_speedBefore = -1.0; // the first guess of the speed (-1: not yet made)
    double m_longestMove = 0.0;  // rows
    double m_readerSpeed = -1.0; // rows a second, smoothed (-1: not yet known)
    double m_smoothedAt = 0.0;
    double m_firstHeardAt = -1.0;
    double m_place = 0.0; // the place heard, as followed
    double m_placeAt = -1.0;
};
