#include "traffic/town.h"

Town::~Town() {
    while (head_) {
        Entry* next = head_->next;
        delete head_;
        head_ = next;
    }
}

void Town::add(TownObject* object) {
    head_ = new Entry{object, head_};
}

void Town::draw(Display& display) {
    for (Entry* e = head_; e; e = e->next) e->object->draw(display);
}

void Town::update(int& tick, int trafficMode) {
    for (Entry* e = head_; e; e = e->next) e->object->update(tick, trafficMode);
}

int Town::size() const {
    int n = 0;
    for (const Entry* e = head_; e; e = e->next) ++n;
    return n;
}
