#pragma once
#include "link/LinkHost.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace zemtar::ui {

// Runs radio exchanges in the window: pumps events between steps, asks with message boxes,
// and forwards progress and status text to whoever shows them.
class GuiLinkHost : public LinkHost {
public:
    // Waits this long or longer keep the window painting.
    static constexpr int kPaintingSleepMs = 50;

    explicit GuiLinkHost(QWidget* parent) : parent_(parent) {}

    bool poll() override;
    void sleepMs(int ms) override;
    Answer ask(const QString& text, Caption caption, Buttons buttons, Icon icon) override;
    void progress(int value, int maximum) override
    {
        if (onProgress)
            onProgress(value, maximum);
    }
    void status(const QString& text) override
    {
        if (onStatus)
            onStatus(text);
    }

    void blockProgress(int block, int blocks, int secondsLeft, const QString& text) override
    {
        (void)secondsLeft;
        if (onBlockProgress)
            onBlockProgress(block, blocks, text);
        else
            status(text);
    }

    std::function<bool()> cancelled; // polled after events were handled
    std::function<void(int, int)> onProgress;
    std::function<void(const QString&)> onStatus;
    std::function<void(int, int, const QString&)> onBlockProgress; // blocks done, all, the line shown

private:
    QPointer<QWidget> parent_;
};

} // namespace zemtar::ui
