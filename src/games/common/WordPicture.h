// WordPicture: the picture box a letter game shows its word's picture in; a click asks for the word's sound.
#pragma once

#include "controls/ClickLabel.h"

class WordPicture : public ClickLabel {
    Q_OBJECT
public:
    explicit WordPicture(QWidget* parent = nullptr);

    // Shows the picture file, decoded to fit inside the frame; the same file again costs nothing. An empty
    // path, or a picture that cannot be decoded, clears the box.
    void showFile(const QString& path);
    const QString& file() const { return file_; }

private:
    QString file_;
};
