#pragma once
// A window held in memory: every control the engine names is a plain value.
// Message boxes are recorded and answered from a queue of prepared answers
// (Yes when none is prepared for a Yes/No question, OK otherwise).

#include "core/text.h"
#include "core/window.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vormak::testing {

struct ShownMessage {
    std::u16string text;
    MessageButtons buttons;
    MessageIcon icon;
    std::u16string title;
};

class FakeWindow : public Window {
public:
    FakeWindow();

    std::u16string text(std::string_view control) const override { return texts_.at(key(control)); }
    void setText(std::string_view control, std::u16string_view text) override;

    bool isChecked(std::string_view control) const override { return checked_.at(key(control)); }
    void setChecked(std::string_view control, bool checked) override { checked_.at(key(control)) = checked; }
    void setCaption(std::string_view control, std::u16string_view caption) override {
        captions_[key(control)] = std::u16string(caption);
    }
    std::u16string caption(std::string_view control) const { return captions_.at(key(control)); }

    bool isSelected(std::string_view option) const override { return selected_.count(key(option)) > 0; }
    void select(std::string_view option) override;

    void setVisible(std::string_view control, bool visible) override { visible_[key(control)] = visible; }
    bool isVisible(std::string_view control) const override {
        auto it = visible_.find(key(control));
        return it == visible_.end() || it->second;
    }

    void listClear(std::string_view list) override { lists_[key(list)].clear(); }
    void listAdd(std::string_view list, std::u16string_view line) override;
    int listCount(std::string_view list) const override { return static_cast<int>(lines(list).size()); }
    std::u16string listLine(std::string_view list, int index) const override {
        return lines(list).at(static_cast<size_t>(index)).text;
    }
    bool listSelected(std::string_view list, int index) const override {
        return lines(list).at(static_cast<size_t>(index)).selected;
    }
    void listRemove(std::string_view list, int index) override {
        auto& l = lists_[key(list)];
        l.erase(l.begin() + index);
    }
    void setListSelected(std::string_view list, int index, bool selected) {
        lists_[key(list)].at(static_cast<size_t>(index)).selected = selected;
    }
    std::vector<std::u16string> listLines(std::string_view list) const;

    MessageAnswer message(std::u16string_view text, MessageButtons buttons, MessageIcon icon,
                          std::u16string_view title) override;

    void setBusy(bool busy) override {
        busy_ = busy;
        busyChanges.push_back(busy);
    }
    void setOperationLocked(bool locked) override { locked_ = locked; }
    bool yield() override;

    // What the tests look at and prepare.
    bool busy() const { return busy_; }
    bool locked() const { return locked_; }
    std::vector<ShownMessage> messages;
    std::vector<bool> busyChanges;
    std::deque<MessageAnswer> answers;
    int yields = 0;
    // Runs inside every yield; return false to report the window closed.
    std::function<bool()> onYield;
    // Texts of the messages shown, in order.
    std::vector<std::u16string> messageTexts() const;

private:
    struct Line {
        std::u16string text;
        bool selected = false;
    };
    static std::string key(std::string_view control) { return std::string(control); }
    const std::vector<Line>& lines(std::string_view list) const;

    std::map<std::string, std::u16string> texts_;
    std::map<std::string, std::u16string> captions_;
    std::map<std::string, bool> checked_;
    std::map<std::string, bool> visible_;
    std::set<std::string> selected_;
    std::map<std::string, std::vector<std::string>> optionGroups_;
    std::map<std::string, std::vector<Line>> lists_;
    bool busy_ = false;
    bool locked_ = false;
};

} // namespace vormak::testing
