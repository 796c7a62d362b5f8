// The one container of town objects: the newest added is drawn and updated first.
// The town does not own its objects.
#pragma once

#include "traffic/town_object.h"

class Town : public TownObject {
public:
    Town() = default;
    ~Town() override;
    Town(const Town&) = delete;
    Town& operator=(const Town&) = delete;

    void draw(Display& display) override;
    void update(int& tick, int trafficMode) override;
    virtual void add(TownObject* object);

    // Visits every object in list order.
    template <typename F>
    void forEach(F&& visit) const {
        for (const Entry* e = head_; e; e = e->next) visit(e->object);
    }
    int size() const;

private:
    struct Entry {
        TownObject* object;
        Entry* next;
    };
    Entry* head_ = nullptr;
};
