#pragma once
// A tree view with an image list. Nodes are numbered from 1 in the order of adding and found by key.
// Node references stay valid until the nodes are cleared or the form unloads.
#include <QImage>
#include <QPixmap>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/control.h"

class QTreeWidgetItem;

namespace ui {

// Pictures of one size with a mask colour that shows as transparent; indices from 1.
class ImageList {
 public:
  explicit ImageList(int width = 16, int height = 16) : width_(width), height_(height) {}
  void setMaskColor(Color color) { mask_ = color; }
  int add(const QImage& picture);  // returns its index
  int addResource(const QString& resourcePath);
  int count() const { return int(pictures_.size()); }
  QPixmap picture(int index) const;  // empty out of range

 private:
  int width_, height_;
  Color mask_ = rgb(192, 192, 192);
  std::vector<QPixmap> pictures_;
};

class TreeView;

class Node {
 public:
  const std::string& key() const { return key_; }
  int index() const { return index_; }
  std::string text() const { return text_; }
  void setText(std::string_view ansi);
  const std::string& tag() const { return tag_; }
  void setTag(std::string ansi) { tag_ = std::move(ansi); }
  int image() const { return image_; }
  void setImage(int index);  // changes the shown icon
  Node* parent() const { return parent_; }
  int children() const;
  bool expanded() const;
  void setExpanded(bool expanded);
  bool selected() const;
  void setSelected(bool selected);  // programmatic: no NodeClick

 private:
  friend class TreeView;
  TreeView* tree_ = nullptr;
  QTreeWidgetItem* item_ = nullptr;
  Node* parent_ = nullptr;
  std::string key_, text_, tag_;
  int index_ = 0, image_ = 0;
};

enum class Relationship { Last = 1, Child = 4 };

class TreeView : public Control {
 public:
  using Control::Control;
  void setImageList(const ImageList* images);

  // A root node after the existing roots.
  Node& add(std::string_view key, std::string_view text, int image = 0);
  // A node related to the node of relativeKey: Child makes it that node's last child, Last a sibling
  // after the last one. Error 35601 when the relative is not found, 35602 for a key already in use.
  Node& add(std::string_view relativeKey, Relationship relationship, std::string_view key, std::string_view text,
            int image = 0);
  void clear();
  int count();
  Node& item(int index);  // 1-based; error 35600 out of range
  Node* find(std::string_view key);
  Node* selectedItem();

  std::function<void(Node&)> onNodeClick;  // the user clicked a node
  std::function<void()> onDblClick;

 protected:
  QWidget* createWidget(QWidget* parent) override;
  void resetState() override;

 private:
  friend class Node;
  Node& insert(Node* parent, std::string_view key, std::string_view text, int image);
  Node* nodeOf(QTreeWidgetItem* item);
  void showImage(Node& node);
  const ImageList* images_ = nullptr;
  std::vector<std::unique_ptr<Node>> nodes_;
};

}  // namespace ui
