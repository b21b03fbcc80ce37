#include "framework/forms/SplashBar.h"

namespace fw::forms {

void SplashBar::advance(int width) {
    if (m_movingRight) {
        m_right += Step;
        m_left = m_right - Width;
        if (m_right > width) {
            m_right = width;
            m_movingRight = false;
        }
    } else {
        m_left -= Step;
        m_right = m_left + Width;
        if (m_left <= 0) {
            m_left = 0;
            m_movingRight = true;
        }
    }
}

}  // namespace fw::forms
