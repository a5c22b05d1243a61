#pragma once
// A piece's hit-test outline: a head node followed by the points, as a singly linked list.

struct ZELCUTVECTOR {
    int index = 0;
    float x = 0.0f;
    float y = 0.0f;
    ZELCUTVECTOR* next = nullptr;
};

// Frees the head and every node behind it.
inline void DeleteCutVector(ZELCUTVECTOR* head) {
    while (head) {
        ZELCUTVECTOR* n = head->next;
        delete head;
        head = n;
    }
}
