// replaced by the artwork
