#pragma once

#include <set>
#include <string>
#include <vector>

#include "factory/StoredRef.h"
#include "grid/TFrameGridAncestor.h"

namespace vantaro {

// One list of a chooser: the members of the collection reached from the root along the path.
// Path and collection are association names separated by spaces, matched as substrings.
struct ASelectionSetup {
    StoredRef root;         // a level without a root is skipped
    std::string heading;    // a keyword, shown through IdentifierCaption
    std::string newAction;  // the chooser's action that makes a new member, or empty
    std::string collection;
    std::string path;
};

// The chooser's page: each level's title (running its new-object action), then its tree of
// members; the deepest members are the items with check boxes, shallower ones group headings.
// A rebuild while the chooser is open keeps the ticks the user has set.
class TFrameSelectionGrid : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFrameSelectionGrid(QWidget* parent = nullptr);

    void Clear();
    void AddLevel(CStored* root, std::string heading, std::string newAction, std::string collection,
                  std::string path);
    // A comma list of IDs, possibly empty or with a leading comma.
    void SetInitialChoice(std::string_view ids);
    const std::string& InitialChoice() const { return initialChoice_; }
    void SetColumnPerLevel(bool on) { columnPerLevel_ = on; }

    // The chosen IDs of a column, rows 1 to the last, joined by commas.
    std::string ColumnChoices(int column) const;
    // Every column's choices, the last column first.
    std::string AllChoices() const;

    double ColumnWidth(int column) override;
    void BuildPage() override;

signals:
    // The user ticked or unticked an item.
    void ChoiceChanged();

protected:
    void StringGridClick() override;

private:
    void MarkItems(int columns, const std::set<std::int32_t>& chosen);

    std::vector<ASelectionSetup> levels_;
    std::string initialChoice_;
    bool columnPerLevel_ = false;
    bool built_ = false;
};

}  // namespace vantaro
