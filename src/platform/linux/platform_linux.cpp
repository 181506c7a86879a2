// Linux platform layer.
