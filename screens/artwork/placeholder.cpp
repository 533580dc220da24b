// removed once the artwork has sources of its own
