// replaced by the screens
