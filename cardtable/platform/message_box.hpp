// The modal message box the SDL backend draws over the table: caption, icon, text, buttons.
#pragma once

#include "platform/window_base.hpp"

#include <string>

namespace ct {

class MessageBoxModal : public Modal {
public:
    // Laid out for a client area of `client` pixels at `dpi`.
    MessageBoxModal(std::string text, std::string caption, MsgBoxButtons buttons, MsgBoxIcon icon, int dpi,
                    Size client);

    void draw(Canvas& frame) override;
    void stylusDown(int x, int y) override;
    void stylusUp(int x, int y) override;
    // Enter and Space answer OK or Yes; Escape answers OK or No.
    void key(ModalKey key) override;
    void cancel() override;
    bool done() const override { return done_; }

    MsgBoxAnswer answer() const { return answer_; }
    // Where the parts lie (client pixels); buttons from left to right.
    const Rect& boxRect() const { return box_; }
    int buttonCount() const { return buttons_ == MsgBoxButtons::ok ? 1 : 2; }
    Rect buttonRect(int index) const;

private:
    MsgBoxAnswer buttonAnswer(int index) const;
    int buttonAt(int x, int y) const;
    void finish(MsgBoxAnswer answer);

    std::string text_;
    std::string caption_;
    MsgBoxButtons buttons_;
    MsgBoxIcon icon_;
    int dpi_;
    Font font_;
    Font bold_;
    Rect box_{};
    Rect captionBar_{};
    Rect iconRect_{};
    Rect textRect_{};
    int buttonTop_ = 0;
    int buttonWidth_ = 0;
    int buttonHeight_ = 0;
    int buttonGap_ = 0;
    int pressed_ = -1;
    bool done_ = false;
    MsgBoxAnswer answer_ = MsgBoxAnswer::ok;
};

// A filled circle in a size x size square at (x, y): the round icons of boxes.
void fillDisc(Canvas& canvas, int x, int y, int size, Color color);

} // namespace ct
