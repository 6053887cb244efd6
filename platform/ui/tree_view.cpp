#include "platform/ui/tree_view.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "platform/error.h"
#include "platform/ui/qt_text.h"

namespace ui {
namespace {

QTreeWidget* treeOf(QWidget* w) { return static_cast<QTreeWidget*>(w); }

constexpr int kNodeRole = Qt::UserRole + 1;  // the item's node number

// Moving the selection with the keys is a node click too, as on the original platform.
class KeyedTree : public QTreeWidget {
 public:
  using QTreeWidget::QTreeWidget;
  std::function<void(QTreeWidgetItem*)> keyedTo;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(e);
    if (currentItem() != before && currentItem() && keyedTo) keyedTo(currentItem());
  }
};

}  // namespace

// ---- ImageList

int ImageList::add(const QImage& picture) {
  QPixmap p = QPixmap::fromImage(picture.scaled(width_, height_));
  p.setMask(p.createMaskFromColor(toQColor(mask_), Qt::MaskInColor));
  pictures_.push_back(p);
  return int(pictures_.size());
}

int ImageList::addResource(const QString& resourcePath) { return add(QImage(resourcePath)); }

QPixmap ImageList::picture(int index) const {
  return index >= 1 && index <= count() ? pictures_[index - 1] : QPixmap();
}

// ---- Node

void Node::setText(std::string_view ansi) {
  text_ = std::string(ansi);
  item_->setText(0, detail::toQt(text_));
}

void Node::setImage(int index) {
  image_ = index;
  tree_->showImage(*this);
}

int Node::children() const { return item_->childCount(); }
bool Node::expanded() const { return item_->isExpanded(); }
void Node::setExpanded(bool expanded) { item_->setExpanded(expanded); }

bool Node::selected() const { return item_->isSelected(); }

void Node::setSelected(bool selected) {
  QTreeWidget* tree = item_->treeWidget();
  QSignalBlocker block(tree);
  if (selected)
    tree->setCurrentItem(item_);
  else
    item_->setSelected(false);
}

// ---- TreeView

QWidget* TreeView::createWidget(QWidget* parent) {
  auto* t = new KeyedTree(parent);
  t->setHeaderHidden(true);
  t->setColumnCount(1);
  t->setRootIsDecorated(true);
  t->setIconSize(QSize(16, 16));
  auto nodeClicked = [this](QTreeWidgetItem* item) {
    if (Node* node = nodeOf(item))
      fire([this, node] {
        if (onNodeClick) onNodeClick(*node);
      });
  };
  QObject::connect(t, &QTreeWidget::itemClicked, t, nodeClicked);
  t->keyedTo = nodeClicked;
  QObject::connect(t, &QTreeWidget::itemDoubleClicked, t, [this] { fire(onDblClick); });
  return t;
}

void TreeView::resetState() {
  nodes_.clear();
  images_ = nullptr;
}

void TreeView::setImageList(const ImageList* images) {
  widget();
  images_ = images;
  for (auto& n : nodes_) showImage(*n);
}

void TreeView::showImage(Node& node) {
  QPixmap p = images_ ? images_->picture(node.image_) : QPixmap();
  node.item_->setIcon(0, p.isNull() ? QIcon() : QIcon(p));
}

Node& TreeView::add(std::string_view key, std::string_view text, int image) {
  return insert(nullptr, key, text, image);
}

Node& TreeView::add(std::string_view relativeKey, Relationship relationship, std::string_view key,
                    std::string_view text, int image) {
  Node* relative = find(relativeKey);
  if (!relative) win::raise(35601, "Element not found");
  return insert(relationship == Relationship::Child ? relative : relative->parent_, key, text, image);
}

Node& TreeView::insert(Node* parent, std::string_view key, std::string_view text, int image) {
  QTreeWidget* t = treeOf(widget());
  if (!key.empty() && find(key)) win::raise(35602, "Key is not unique in collection");
  auto node = std::make_unique<Node>();
  node->tree_ = this;
  node->parent_ = parent;
  node->key_ = std::string(key);
  node->text_ = std::string(text);
  node->image_ = image;
  node->index_ = int(nodes_.size()) + 1;
  QSignalBlocker block(t);
  node->item_ = parent ? new QTreeWidgetItem(parent->item_) : new QTreeWidgetItem(t);
  node->item_->setText(0, detail::toQt(text));
  node->item_->setData(0, kNodeRole, node->index_);
  showImage(*node);
  nodes_.push_back(std::move(node));
  return *nodes_.back();
}

void TreeView::clear() {
  QSignalBlocker block(treeOf(widget()));
  treeOf(widget())->clear();
  nodes_.clear();
}

int TreeView::count() { return widget(), int(nodes_.size()); }

Node& TreeView::item(int index) {
  if (index < 1 || index > count()) win::raise(35600, "Index out of bounds");
  return *nodes_[index - 1];
}

Node* TreeView::find(std::string_view key) {
  widget();
  if (key.empty()) return nullptr;
  for (auto& n : nodes_)
    if (n->key_ == key) return n.get();
  return nullptr;
}

Node* TreeView::selectedItem() { return nodeOf(treeOf(widget())->currentItem()); }

Node* TreeView::nodeOf(QTreeWidgetItem* item) {
  if (!item) return nullptr;
  int index = item->data(0, kNodeRole).toInt();
  return index >= 1 && index <= int(nodes_.size()) ? nodes_[index - 1].get() : nullptr;
}

}  // namespace ui
