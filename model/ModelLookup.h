#pragma once
#include <QList>
#include <QString>

// Private to the model: the one matching rule for names (ignore case, first match wins).
namespace Internal {

template <class Node>
int IndexOfName(const QList<Node*>& nodes, const QString& name) {
    for (int i = 0; i < nodes.size(); ++i) {
        if (nodes[i] && nodes[i]->name.compare(name, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

template <class Node>
void TakeFirstByName(QList<Node*>& nodes, const QString& name) {
    const int index = IndexOfName(nodes, name);
    if (index >= 0) nodes.removeAt(index);
}

template <class Node, class Pred>
void CollectIf(const QList<Node*>& nodes, QList<Node*>& out, Pred pred) {
    out.clear();
    for (Node* node : nodes) {
        if (pred(node)) out.append(node);
    }
}

}  // namespace Internal
