#pragma once

// Resource IDs of setupkit, shared by its resource script and its code.
#define kPictureResource 201
#define kIconResource 202
