#pragma once

namespace fw::forms {

// The moving bar of the status splash: it spans [left, right) and bounces between the edges of
// a picture, one step per frame.
class SplashBar {
public:
    static constexpr int Width = 70;
    static constexpr int Step = 20;

    int left() const { return m_left; }
    int right() const { return m_right; }
    bool movingRight() const { return m_movingRight; }

    // Moves the bar one step inside a picture `width` pixels wide.
    void advance(int width);

private:
    int m_left = 0;
    int m_right = 0;
    bool m_movingRight = true;
};

}  // namespace fw::forms
