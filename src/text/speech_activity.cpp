#include "text/speech_activity.h"

SpeechActivity::Span::Span(SpeechActivity& activity)
    : m_activity(activity) {
    if (m_activity.m_spans++ == 0)
        emit m_activity.activeChanged(true);
}

SpeechActivity::Span::~Span() {
    if (--m_activity.m_spans == 0)
        emit m_activity.activeChanged(false);
}
