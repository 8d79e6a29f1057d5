#pragma once

#include <string>

#include "catalogue/IndexPath.h"

// What the picker's logic asks of the panel that shows it.
class PickerView {
public:
    PickerView() = default;
    PickerView(const PickerView&) = delete;
    PickerView& operator=(const PickerView&) = delete;
    virtual ~PickerView() = default;

    /// Replaces the whole text of the query line.
    virtual void setQueryText(const std::string& text) = 0;
    /// Replaces the name shown in the footer.
    virtual void setFooterName(const std::string& name) = 0;
    /// Reloads every cell from the controller's sections and scrolls the grid to its top.
    virtual void reloadGridAndScrollToTop() = 0;
    /// Shows or hides the "No results found" message.
    virtual void setEmptyStateVisible(bool visible) = 0;
    /// Marks the cell at `indexPath` chosen or not, if that cell currently exists.
    virtual void setCellChosen(IndexPath indexPath, bool chosen) = 0;
    /// Scrolls the grid by the least amount that shows the whole cell at `indexPath`.
    virtual void scrollCellIntoView(IndexPath indexPath) = 0;
    /// Places the panel on the screen under the pointer.
    virtual void centerOnActiveScreen() = 0;
    /// Recolours the views that follow the light or dark palette.
    virtual void refreshColors() = 0;
    /// Brings the panel to the front with the keyboard.
    virtual void showAndTakeKeyboard() = 0;
    /// Takes the panel off the screen.
    virtual void hideWindow() = 0;
};
